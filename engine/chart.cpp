#include "engine/chart.h"

#include "engine/birth_moment.h"
#include "engine/pillars.h"
#include "engine/precise_chart.h"

namespace tavrin {
namespace {

void CastClassic(const Birth& birth, Chart& out) {
  const double zone = birth.ZoneHoursEast();
  out.localHours = LocalHours(birth.hour, birth.minute, zone, birth.longitude);
  out.julianDay0 = JulianDay0(birth.year, birth.month, birth.day);
  out.dayMoment = out.julianDay0 + out.localHours / 24;
  out.sunMoment = out.julianDay0 + out.localHours / 24 - zone / 24;
  out.solarLongitude = SolarLongitude(out.sunMoment);

  const Pillar year = YearPillar(ChartYear(birth.year, birth.month, out.solarLongitude));
  out.luckDirection = LuckDirection(birth.genderSign, year.stem);
  const MonthSector& sector = MonthSectorOf(out.solarLongitude);
  out.luckStartAge = LuckStartAge(sector, out.solarLongitude, out.luckDirection);
  const Pillar day = DayPillar(DayNumber(out.dayMoment));
  out.pillars = {year, MonthPillar(year.stem, sector), day, HourPillar(out.localHours, day.stem)};
}

}  // namespace

CastError ComputePillars(const Birth& birth, const CastOptions& options, Chart& out) {
  out.isPrecise = !options.IsClassic();
  if (options.IsClassic()) {
    CastClassic(birth, out);
    return CastError::none;
  }
  return CastPrecise(birth, options, out);
}

CastError ComputeChart(const Birth& birth, const CastOptions& options, Chart& out) {
  if (const CastError error = ComputePillars(birth, options, out); error != CastError::none) return error;
  WriteLuckPeriods(out.pillars[1], out.luckDirection, out.luckStartAge, out.luckPeriods);
  return CastError::none;
}

CastError ComputeChart(const BirthDetails& birth, const CastOptions& options, Chart& out) {
  const auto cast = BirthOf(birth);
  if (!cast) return CastError::zoneOffsetNotANumber;
  return ComputeChart(*cast, options, out);
}

LuckStart LuckStartOf(const Birth& birth, const Chart& chart) {
  return chart.isPrecise ? chart.precise.luckStart : LuckStartAfter(birth, LifeDaysOfAge(chart.luckStartAge));
}

std::string_view DescribeCastError(CastError error) {
  switch (error) {
    case CastError::none: return "";
    case CastError::zoneOffsetNotANumber: return "the zone offset is not a number";
    case CastError::outsidePreciseYears: return "the precise method covers the years 1600 to 2199";
  }
  return "";
}

}  // namespace tavrin
