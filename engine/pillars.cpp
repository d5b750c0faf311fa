#include "engine/pillars.h"

namespace tavrin {

int ChartYear(int birthYear, int birthMonth, double solarLongitude) {
  if ((birthMonth == 1 || birthMonth == 2) && solarLongitude < 315) return birthYear - 1;
  return birthYear;
}

namespace {

bool Holds(const MonthSector& sector, double solarLongitude) {
  return sector.wraps ? (solarLongitude >= sector.lower || solarLongitude < sector.upper)
                      : (solarLongitude >= sector.lower && solarLongitude < sector.upper);
}

}  // namespace

int MonthSectorNumber(double solarLongitude) {
  // The sector by its bounds; the arithmetic only says where to look first.
  const int guess = static_cast<int>((solarLongitude + 45) / 30) % 12;  // 315 degrees open sector 0
  for (int step = 0; step < 12; ++step) {
    const int number = (guess + step) % 12;
    if (Holds(MonthSectorTable[number], solarLongitude)) return number;
  }
  return 1;  // unreachable for a longitude in [0, 360)
}

const MonthSector& MonthSectorOf(double solarLongitude) { return MonthSectorTable[MonthSectorNumber(solarLongitude)]; }

Pillar MonthPillar(int yearStem, const MonthSector& sector) {
  return {Modulo(TigerMonthStem(yearStem) + sector.stemOffset, kStemCount), sector.branch};
}

double LuckStartAge(const MonthSector& sector, double solarLongitude, int luckDirection) {
  double age = luckDirection > 0 ? (sector.nextJie - solarLongitude) / 3
                                 : (solarLongitude - sector.ownJie) / 3;
  if (sector.wraps) {
    if (age > 11) age -= 120;
    if (age < 0) age += 120;
  }
  return Int(100 * age) / 100;
}

long long DayNumber(double dayMoment) { return static_cast<long long>(Int(dayMoment + 0.5)); }

double HourOfDay(double localHours) {
  double h = localHours;
  while (h < 0) h += 24;
  while (h >= 24) h -= 24;
  return h;
}

Pillar HourPillar(double localHours, int dayStem) {
  const double h = HourOfDay(localHours);
  // Two-hour periods since the day's early Rat hour: 0 before 1:00, 1 for the
  // Ox hour from 1:00 ... 11 for the Pig hour, 12 for the late Rat hour.
  const int periods = h >= 23 ? 12 : h < 1 ? 0 : 1 + static_cast<int>(Int((h - 1) / 2));
  return {Modulo(RatHourStem(dayStem) + periods, kStemCount), Modulo(periods, kBranchCount)};
}

}  // namespace tavrin
