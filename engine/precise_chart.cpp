#include "engine/precise_chart.h"

#include <cmath>
#include <cstdio>
#include <string>

#include "astro/civil_time.h"
#include "astro/delta_t.h"
#include "astro/jie.h"
#include "astro/sun_table.h"
#include "engine/birth_moment.h"
#include "engine/chart.h"
#include "engine/luck.h"
#include "engine/number_text.h"
#include "engine/pillars.h"
#include "engine/vocabulary.h"

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

double HourOfDay(double localHours) {
  double h = localHours;
  while (h < 0) h += 24;
  while (h >= 24) h -= 24;
  return h;
}

PillarIndices PillarsAt(const BirthDetails& birth, const Moment& moment, DayStarts dayStarts) {
  PillarIndices pillars{};
  const MonthSector& sector = MonthSectorTable[moment.sector];
  const int chartYear = ChartYear(birth.BirthYear, birth.BirthMonth, sector.ownJie);
  const int yearStem = YearStemIndex(chartYear);
  pillars.stem[0] = yearStem;
  pillars.branch[0] = YearBranchIndex(chartYear);
  pillars.stem[1] = MonthStemIndex(yearStem, sector);
  pillars.branch[1] = sector.branchIndex;

  const long long dayNumber = DayNumber(moment.dayMoment);
  // The late Rat hour's stem is the next day's either way; the day moves with it only from 23:00.
  const HourPillarIndices hour = HourIndices(moment.localHours, static_cast<int>(dayNumber % 10));
  const long long day = dayNumber + (dayStarts == DayStarts::at23 && HourOfDay(moment.localHours) >= 23 ? 1 : 0);
  pillars.stem[2] = static_cast<int>(day % 10);
  pillars.branch[2] = 2 + static_cast<int>(day % 12);
  pillars.stem[3] = hour.stem;
  pillars.branch[3] = hour.branch;
  return pillars;
}

std::string PillarText(const PillarIndices& pillars, int block) {
  return std::string(StemTable[pillars.stem[block]]) + " " + std::string(BranchTable[pillars.branch[block]]);
}

// "the year pillar would be X and the month pillar Y" for the pillars that
// differ, or "" when none does.
std::string OtherPillars(const PillarIndices& chart, const PillarIndices& other) {
  static constexpr std::string_view kNames[4] = {"year", "month", "day", "hour"};
  std::string changed[4];
  int count = 0;
  for (int block = 0; block < 4; ++block) {
    if (chart.stem[block] == other.stem[block] && chart.branch[block] == other.branch[block]) continue;
    changed[count] = "the " + std::string(kNames[block]) + " pillar " + (count == 0 ? "would be " : "") +
                     PillarText(other, block);
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

void WarnNearJie(const BirthDetails& birth, const Moment& moment, const PillarIndices& pillars, DayStarts dayStarts,
                 const PreciseChart& precise, std::vector<std::string>& warnings) {
  const double sincePrevious = std::max(0.0, (precise.ut - precise.previousJie.ut) * 1440);
  const double untilNext = std::max(0.0, (precise.nextJie.ut - precise.ut) * 1440);
  const auto warn = [&](const astro::JieInstant& jie, double minutes, bool after, int otherSector) {
    Moment other = moment;
    other.sector = otherSector;
    const std::string changes = OtherPillars(pillars, PillarsAt(birth, other, dayStarts));
    if (changes.empty()) return;
    warnings.push_back("Born " + Distance(minutes) + (after ? " after " : " before ") +
                       std::string(MonthSectorTable[jie.sector].jie) + " (" + astro::IsoInstant(jie.ut) + "); " +
                       (after ? "before" : "after") + " it " + changes + ".");
  };
  if (sincePrevious <= kNearBoundaryMinutes)
    warn(precise.previousJie, sincePrevious, true, (precise.previousJie.sector + 11) % 12);
  if (untilNext <= kNearBoundaryMinutes) warn(precise.nextJie, untilNext, false, precise.nextJie.sector);
}

void WarnNearHour(const BirthDetails& birth, const Moment& moment, const PillarIndices& pillars,
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
    const PillarIndices across = PillarsAt(birth, other, options.dayStarts);
    const std::string changes = OtherPillars(pillars, across);
    if (changes.empty()) continue;
    const bool day = across.stem[2] != pillars.stem[2];
    const bool hour = across.branch[3] != pillars.branch[3];
    char at[8];
    std::snprintf(at, sizeof at, "%02d:00", boundary);
    warnings.push_back("Born " + Distance(hours * 60) + (hours >= 0 ? " after " : " before ") + at + " " +
                       std::string(timeKind) + ", where " +
                       (day && hour ? "the day and the two-hour period change" : day ? "the day changes"
                                                                                    : "the two-hour period changes") +
                       "; " + (hours >= 0 ? "before" : "after") + " it " + changes + ".");
  }
}

LuckStart LuckStartOf(const BirthDetails& birth, double spanDays) {
  // Three days of the Sun are a year of life: a day four months, two hours ten days.
  const long long lifeDays = static_cast<long long>(std::floor(spanDays * 120));
  LuckStart start;
  start.years = static_cast<int>(lifeDays / 360);
  start.months = static_cast<int>(lifeDays % 360 / 30);
  start.days = static_cast<int>(lifeDays % 30);
  int year = birth.BirthYear + start.years;
  int month = birth.BirthMonth + start.months;
  if (month > 12) {
    month -= 12;
    ++year;
  }
  const int day = std::min<int>(birth.BirthDay, DaysInMonth(year, month));
  const astro::CivilTime date = astro::CivilTimeOf(JulianDay0(year, month, day) + start.days);
  start.year = date.year;
  start.month = date.month;
  start.day = date.day;
  return start;
}

}  // namespace

CastError CastPreciseMoment(const BirthDetails& birth, const CastOptions& options, Chart& out,
                            PillarIndices& pillars) {
  const auto zone = ParseDecimal(TrimSpaces(birth.ZoneOffset));
  if (!zone) return CastError::zoneOffsetNotANumber;
  if (birth.BirthYear < astro::kFirstPreciseYear || birth.BirthYear > astro::kLastPreciseYear)
    return CastError::outsidePreciseYears;

  PreciseChart& precise = out.precise;
  precise.options = options;
  precise.warnings.clear();
  out.julianDay0 = JulianDay0(birth.BirthYear, birth.BirthMonth, birth.BirthDay);
  const double seconds = birth.BirthSecond / 3600.0;
  precise.ut = out.julianDay0 + (birth.BirthHour + birth.BirthMinute / 60.0 + seconds - *zone) / 24;
  // A zone offset far beyond the real ones would take the Jie out of the Sun's table.
  constexpr double kJieMargin = 40;
  if (precise.ut < astro::kSunTableFirstDay + kJieMargin || precise.ut > astro::kSunTableLastDay - kJieMargin)
    return CastError::outsidePreciseYears;
  precise.deltaTSeconds = astro::DeltaTSeconds(precise.ut);
  const astro::SunMotion sun = astro::SunAt(precise.ut);
  precise.equationOfTimeMinutes = sun.equationOfTimeMinutes;
  out.sunMoment = precise.ut;
  out.solarLongitude = sun.longitude;

  out.localHours = LocalHours(birth.BirthHour, birth.BirthMinute, *zone, birth.Longitude) + seconds;
  if (options.solarTime == SolarTime::trueSun) out.localHours += sun.equationOfTimeMinutes / 60;
  out.dayMoment = out.julianDay0 + out.localHours / 24;

  const astro::JieAround jie = astro::FindJieAround(precise.ut, sun.longitude);
  precise.previousJie = jie.previous;
  precise.nextJie = jie.next;
  const Moment moment{jie.previous.sector, out.localHours, out.dayMoment};
  pillars = PillarsAt(birth, moment, options.dayStarts);

  out.luckDirection = LuckDirection(birth.GenderSign, pillars.stem[0]);
  const double spanDays =
      std::max(0.0, out.luckDirection > 0 ? jie.next.ut - precise.ut : precise.ut - jie.previous.ut);
  out.luckStartAge = Int(100 * spanDays / 3) / 100;
  precise.luckStart = LuckStartOf(birth, spanDays);

  WarnNearJie(birth, moment, pillars, options.dayStarts, precise, precise.warnings);
  WarnNearHour(birth, moment, pillars, options, precise.warnings);
  return CastError::none;
}

}  // namespace tavrin
