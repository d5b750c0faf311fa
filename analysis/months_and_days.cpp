#include "analysis/months_and_days.h"

#include "astro/delta_t.h"
#include "astro/jie.h"
#include "engine/birth_moment.h"
#include "engine/pillars.h"

namespace tavrin::analysis {
namespace {

// Spring Beginning falls within a day or two of 4 February, and each month
// after it lasts about this many days: near enough for the Jie's solver.
constexpr double kMeanMonthDays = 365.2422 / 12;
constexpr int kSpringBeginningDay = 4;

}  // namespace

bool MonthsOfYear(int year, int zoneSecondsEast, std::array<MonthOfYear, 12>& out) {
  if (year < astro::kFirstPreciseYear || year > astro::kLastPreciseYear) return false;
  const Pillar yearPillar = YearPillar(year);
  const double springBeginning = JulianDay0(year, 2, kSpringBeginningDay);
  for (int sector = 0; sector < 12; ++sector) {
    const MonthSector& month = MonthSectorTable[sector];
    const double start = astro::SolveLongitude(month.lower, springBeginning + sector * kMeanMonthDays);
    out[sector] = {MonthPillar(yearPillar.stem, month), sector, start,
                   astro::CivilTimeOf(start + zoneSecondsEast / 86400.0)};
  }
  return true;
}

int DaysOfMonth(int year, int month, std::array<DayOfMonth, 31>& out) {
  if (month < 1 || month > 12) return 0;
  const int days = DaysInMonth(year, month);
  const long long first = DayNumber(JulianDay0(year, month, 1));
  for (int day = 0; day < days; ++day) out[day] = {day + 1, DayPillar(first + day)};
  return days;
}

}  // namespace tavrin::analysis
