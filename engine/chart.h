#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "astro/jie.h"
#include "engine/birth.h"
#include "engine/birth_details.h"
#include "engine/cast_options.h"
#include "engine/luck.h"

namespace tavrin {

enum class PillarBlock { year = 0, month = 1, day = 2, hour = 3 };

// What only the precise method works out.
struct PreciseChart {
  CastOptions options;
  double ut = 0;  // the birth instant, Julian Date in UT
  double deltaTSeconds = 0;
  double equationOfTimeMinutes = 0;  // at the birth instant
  astro::JieInstant previousJie{};
  astro::JieInstant nextJie{};
  LuckStart luckStart;
  // A birth within ten minutes of a Jie, a two-hour boundary or the day
  // boundary: which, how far, and the pillars on the other side.
  std::vector<std::string> warnings;
};

// Everything the engine computes from one birth: numbers, and the pillars
// and luck periods as stem and branch numbers.
struct Chart {
  double localHours = 0;
  double julianDay0 = 0;
  double dayMoment = 0;
  double sunMoment = 0;
  double solarLongitude = 0;
  std::array<Pillar, 4> pillars{};  // year, month, day, hour
  int luckDirection = 0;
  double luckStartAge = 0;
  LuckPeriods luckPeriods{};
  // Whether the chart was cast with the precise method, and what that gave.
  bool isPrecise = false;
  PreciseChart precise;
};

enum class CastError { none, zoneOffsetNotANumber, outsidePreciseYears };

// Casts the chart of `birth` with `options` into `out`. On an error `out` is
// left as far as it was written. Reusing one `out` across calls keeps the
// storage of its warnings.
CastError ComputeChart(const Birth& birth, const CastOptions& options, Chart& out);
// The same for the birth the record describes.
CastError ComputeChart(const BirthDetails& birth, const CastOptions& options, Chart& out);
// The chart without its eight luck periods, left as they were in `out`; their
// direction and starting age are cast.
CastError ComputePillars(const Birth& birth, const CastOptions& options, Chart& out);

std::string_view DescribeCastError(CastError error);

// When the first luck period of the chart cast for `birth` starts: as the
// precise method counted it, or the classic starting age counted on from the
// birth date.
LuckStart LuckStartOf(const Birth& birth, const Chart& chart);

}  // namespace tavrin
