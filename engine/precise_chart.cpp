#include "engine/precise_chart.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "astro/civil_time.h"
#include "astro/delta_t.h"
#include "astro/jie.h"
#include "astro/sun_table.h"
#include "birth/zone.h"
#include "engine/birth_moment.h"
#include "engine/chart.h"
#include "engine/chart_texts.h"
#include "engine/luck.h"
#include "engine/pillars.h"

namespace tavrin {
namespace {

// A birth this close to a boundary (in minutes) is warned about.
constexpr double kNearBoundaryMinutes = 10;
// The other side of a boundary is read this far (in hours) past it.
constexpr double kPastBoundaryHours = 1.0 / 3600;

// What the pillars are read from.
struct Moment {
  int sector;         // of MonthSectorTable
  double localHours;  // the day's and hour's local time
  double dayMoment;
};

using Pillars = std::array<Pillar, 4>;

Pillars PillarsAt(const Birth& birth, const Moment& moment, DayStarts dayStarts) {
  const MonthSector& sector = MonthSectorTable[moment.sector];
  const Pillar year = YearPillar(ChartYear(birth.year, birth.month, sector.ownJie));
  const long long dayNumber = DayNumber(moment.dayMoment);
  // The late Rat hour's stem is the next day's unless it keeps its own; the
  // day moves with it only from 23:00.
  const int dayStem = DayPillar(dayNumber).stem;
  const bool lateRat = HourOfDay(moment.localHours) >= 23;
  const Pillar hour = lateRat && dayStarts == DayStarts::midnightOwnRat ? Pillar{RatHourStem(dayStem), 0}
                                                                         : HourPillar(moment.localHours, dayStem);
  const bool nextDay = dayStarts == DayStarts::at23 && lateRat;
  return {year, MonthPillar(year.stem, sector), DayPillar(dayNumber + (nextDay ? 1 : 0)), hour};
}

std::string PillarText(const Pillar& pillar) {
  return std::string(StemLabel(pillar.stem)) + " " + std::string(BranchLabel(pillar.branch));
}

// "the year pillar would be X and the month pillar Y" for the pillars that
// differ, or "" when none does.
std::string OtherPillars(const Pillars& chart, const Pillars& other) {
  static constexpr std::string_view kNames[4] = {"year", "month", "day", "hour"};
  std::string changed[4];
  int count = 0;
  for (int block = 0; block < 4; ++block) {
    if (chart[block] == other[block]) continue;
    changed[count] = "the " + std::string(kNames[block]) + " pillar " + (count == 0 ? "would be " : "") +
                     PillarText(other[block]);
    ++count;
  }
  std::string text;
  for (int i = 0; i < count; ++i) text += (i == 0 ? "" : i + 1 == count ? " and " : ", ") + changed[i];
  return text;
}

// "3 min 12 s"
std::string Distance(double minutes) {
  const long long seconds = std::llround(std::abs(minutes) * 60);
  return std::to_string(seconds / 60) + " min " + std::to_string(seconds % 60) + " s";
}

// "20:40:23 UTC+8": an instant on the birth's clock.
std::string ClockTimeText(double ut, int zoneSecondsEast) {
  const astro::CivilTime clock = astro::CivilTimeOf(ut + zoneSecondsEast / 86400.0);
  char time[16];
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", clock.hour, clock.minute, clock.second);
  return std::string(time) + " " + UtcOffsetText(zoneSecondsEast);
}

void WarnNearJie(const Birth& birth, const Moment& moment, const Pillars& pillars, DayStarts dayStarts,
                 const PreciseChart& precise, std::vector<std::string>& warnings) {
  const double sincePrevious = std::max(0.0, (precise.ut - precise.previousJie.ut) * 1440);
  const double untilNext = std::max(0.0, (precise.nextJie.ut - precise.ut) * 1440);
  const auto warn = [&](const astro::JieInstant& jie, double minutes, bool after, int otherSector) {
    Moment other = moment;
    other.sector = otherSector;
    const std::string changes = OtherPillars(pillars, PillarsAt(birth, other, dayStarts));
    if (changes.empty()) return;
    warnings.push_back("Born " + Distance(minutes) + (after ? " after " : " before ") +
                       std::string(JieWords(jie.sector)) + ", at " + ClockTimeText(jie.ut, birth.zoneSecondsEast) +
                       " (" + astro::IsoInstant(jie.ut) + "); " + (after ? "before" : "after") + " it " + changes + ".");
  };
  if (sincePrevious <= kNearBoundaryMinutes)
    warn(precise.previousJie, sincePrevious, true, (precise.previousJie.sector + 11) % 12);
  if (untilNext <= kNearBoundaryMinutes) warn(precise.nextJie, untilNext, false, precise.nextJie.sector);
}

void WarnNearHour(const Birth& birth, const Moment& moment, const Pillars& pillars,
                  const CastOptions& options, std::vector<std::string>& warnings) {
  const double h = HourOfDay(moment.localHours);
  const std::string_view timeKind =
      options.solarTime == SolarTime::trueSun ? "true solar time" : "local mean solar time";
  for (int boundary = 0; boundary < 24; boundary += boundary == 0 ? 1 : 2) {  // 0:00 and the odd hours
    double hours = h - boundary;  // after the boundary when positive
    if (hours >= 12) hours -= 24;
    if (std::abs(hours) * 60 > kNearBoundaryMinutes) continue;
    const double shift = hours >= 0 ? -(hours + kPastBoundaryHours) : kPastBoundaryHours - hours;
    const Moment other{moment.sector, moment.localHours + shift, moment.dayMoment + shift / 24};
    const Pillars across = PillarsAt(birth, other, options.dayStarts);
    const std::string changes = OtherPillars(pillars, across);
    if (changes.empty()) continue;
    const bool day = across[2].stem != pillars[2].stem;
    const bool hour = across[3].branch != pillars[3].branch;
    char at[8];
    std::snprintf(at, sizeof at, "%02d:00", boundary);
    warnings.push_back("Born " + Distance(hours * 60) + (hours >= 0 ? " after " : " before ") + at + " " +
                       std::string(timeKind) + ", where " +
                       (day && hour ? "the day and the two-hour period change" : day ? "the day changes"
                                                                                    : "the two-hour period changes") +
                       "; " + (hours >= 0 ? "before" : "after") + " it " + changes + ".");
  }
}

}  // namespace

CastError CastPrecise(const Birth& birth, const CastOptions& options, Chart& out) {
  const double zone = birth.ZoneHoursEast();
  if (birth.year < astro::kFirstPreciseYear || birth.year > astro::kLastPreciseYear)
    return CastError::outsidePreciseYears;

  PreciseChart& precise = out.precise;
  precise.options = options;
  precise.warnings.clear();
  out.julianDay0 = JulianDay0(birth.year, birth.month, birth.day);
  const double seconds = birth.second / 3600.0;
  precise.ut = out.julianDay0 + (birth.hour + birth.minute / 60.0 + seconds - zone) / 24;
  // A zone offset far beyond the real ones would take the Jie out of the Sun's table.
  constexpr double kJieMargin = 40;
  if (precise.ut < astro::kSunTableFirstDay + kJieMargin || precise.ut > astro::kSunTableLastDay - kJieMargin)
    return CastError::outsidePreciseYears;
  precise.deltaTSeconds = astro::DeltaTSeconds(precise.ut);
  const astro::SunMotion sun = astro::SunAt(precise.ut);
  precise.equationOfTimeMinutes = sun.equationOfTimeMinutes;
  out.sunMoment = precise.ut;
  out.solarLongitude = sun.longitude;

  out.localHours = LocalHours(birth.hour, birth.minute, zone, birth.longitude) + seconds;
  if (options.solarTime == SolarTime::trueSun) out.localHours += sun.equationOfTimeMinutes / 60;
  out.dayMoment = out.julianDay0 + out.localHours / 24;

  const astro::JieAround jie = astro::FindJieAround(precise.ut, sun.longitude, MonthSectorNumber(sun.longitude));
  precise.previousJie = jie.previous;
  precise.nextJie = jie.next;
  const Moment moment{jie.previous.sector, out.localHours, out.dayMoment};
  const Pillars pillars = PillarsAt(birth, moment, options.dayStarts);
  out.pillars = pillars;

  out.luckDirection = LuckDirection(birth.genderSign, pillars[0].stem);
  const double spanDays =
      std::max(0.0, out.luckDirection > 0 ? jie.next.ut - precise.ut : precise.ut - jie.previous.ut);
  out.luckStartAge = Int(100 * spanDays / 3) / 100;
  // Three days of the Sun are a year of life: a day four months, two hours ten days.
  precise.luckStart = LuckStartAfter(birth, static_cast<int>(std::floor(spanDays * 120)));

  WarnNearJie(birth, moment, pillars, options.dayStarts, precise, precise.warnings);
  WarnNearHour(birth, moment, pillars, options, precise.warnings);
  return CastError::none;
}

}  // namespace tavrin
