#pragma once

#include "engine/arithmetic.h"
#include "engine/cycle.h"
#include "engine/vocabulary.h"

// The rules of the four pillars, written here whole so that a cast, which
// runs them all for every chart, pays for no calls.
namespace tavrin {

// The year of the chart: the previous year for a January or February birth
// before Spring Beginning (the Sun below 315 degrees).
inline int ChartYear(int birthYear, int birthMonth, double solarLongitude) {
  if ((birthMonth == 1 || birthMonth == 2) && solarLongitude < 315) return birthYear - 1;
  return birthYear;
}

// Whether a sector holds a longitude: its lower bound, not its upper one.
inline bool Holds(const MonthSector& sector, double solarLongitude) {
  return sector.wraps ? (solarLongitude >= sector.lower || solarLongitude < sector.upper)
                      : (solarLongitude >= sector.lower && solarLongitude < sector.upper);
}

// The month sector (of MonthSectorTable) holding a longitude in [0, 360): by
// its bounds, the arithmetic only saying where to look first.
inline int MonthSectorNumber(double solarLongitude) {
  int number = static_cast<int>((solarLongitude + 45) * (1.0 / 30));  // 315 degrees open sector 0
  for (int step = 0; step < 12; ++step, ++number) {
    if (number >= 12) number -= 12;
    if (Holds(MonthSectorTable[number], solarLongitude)) return number;
  }
  return 1;  // unreachable for a longitude in [0, 360)
}

inline const MonthSector& MonthSectorOf(double solarLongitude) {
  return MonthSectorTable[MonthSectorNumber(solarLongitude)];
}

// The month's pillar: the year's Tiger month stem moved on by the sector's
// offset, over the sector's branch.
inline Pillar MonthPillar(int yearStem, const MonthSector& sector) {
  return {Modulo(TigerMonthStem(yearStem) + sector.stemOffset, kStemCount), sector.branch};
}

// Age at which the first luck period starts, truncated to two decimals.
inline double LuckStartAge(const MonthSector& sector, double solarLongitude, int luckDirection) {
  double age = luckDirection > 0 ? (sector.nextJie - solarLongitude) / 3 : (solarLongitude - sector.ownJie) / 3;
  if (sector.wraps) {
    if (age > 11) age -= 120;
    if (age < 0) age += 120;
  }
  static constexpr Quotients<1201> kHundredths(100);  // ages up to 12 years
  const double hundredths = Int(100 * age);
  return hundredths >= 0 && hundredths <= 1200 ? kHundredths.of[static_cast<int>(hundredths)] : hundredths / 100;
}

// Day number of the local civil day holding the day moment.
inline long long DayNumber(double dayMoment) { return static_cast<long long>(Int(dayMoment + 0.5)); }

// A local time in hours brought into [0, 24) by whole days.
inline double HourOfDay(double localHours) {
  double h = localHours;
  while (h < 0) h += 24;
  while (h >= 24) h -= 24;
  return h;
}

// The two-hour period of a local time on a day of `dayStem`: 23:00 and later
// is the late Rat hour, with the next day's Rat stem.
inline Pillar HourPillar(double localHours, int dayStem) {
  const double h = HourOfDay(localHours);
  // Two-hour periods since the day's early Rat hour: 0 before 1:00, 1 for the
  // Ox hour from 1:00 ... 11 for the Pig hour, 12 for the late Rat hour.
  const int periods = h >= 23 ? 12 : h < 1 ? 0 : 1 + static_cast<int>(Int((h - 1) / 2));
  return {Modulo(RatHourStem(dayStem) + periods, kStemCount), Modulo(periods, kBranchCount)};
}

}  // namespace tavrin
