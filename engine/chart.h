#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "astro/jie.h"
#include "engine/birth_details.h"
#include "engine/cast_options.h"
#include "engine/luck.h"

namespace tavrin {

inline constexpr int kPillarCellCount = 21;  // four pillars of five; the last slot stays empty
inline constexpr int kLuckCaptionCount = 24;

enum class PillarBlock { year = 0, month = 1, day = 2, hour = 3 };

// When the first luck period starts: whole years, months and days of age,
// and that day's date.
struct LuckStart {
  int years = 0, months = 0, days = 0;
  int year = 0, month = 0, day = 0;
};

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

// Everything the chart shows, computed from one set of birth details.
struct Chart {
  double localHours = 0;
  double julianDay0 = 0;
  double dayMoment = 0;
  double sunMoment = 0;
  double solarLongitude = 0;
  std::array<std::string_view, kPillarCellCount> pillarCells{};
  int luckDirection = 0;
  double luckStartAge = 0;
  LuckPeriods luckPeriods{};
  // Captions in label order: 0..7 ages, 8..15 stems, 16..23 branches; caption
  // c shows period 8 - c, so the first period sits at 7, 15 and 23.
  std::array<std::string, kLuckCaptionCount> luckCaptions;
  // The interpretation box texts, year, month, day, hour.
  std::array<std::string, 4> interpretation;
  // Whether the chart was cast with the precise method, and what that gave.
  bool isPrecise = false;
  PreciseChart precise;
};

enum class CastError { none, zoneOffsetNotANumber, outsidePreciseYears };

// Casts the chart of `birth` into `out`. Ages use `decimalSeparator`. On an
// error `out` is left as far as it was written. Reusing one `out` across calls
// keeps its strings' storage.
CastError ComputeChart(const BirthDetails& birth, Chart& out, std::string_view decimalSeparator = ".");

// The numbers, pillar cells and luck periods of the chart, without the luck
// captions and interpretation texts, which keep what they held.
CastError ComputePillarsAndLuck(const BirthDetails& birth, Chart& out);

// The same, cast with `options`; the classic method is the two above.
CastError ComputeChart(const BirthDetails& birth, const CastOptions& options, Chart& out,
                       std::string_view decimalSeparator = ".");
CastError ComputePillarsAndLuck(const BirthDetails& birth, const CastOptions& options, Chart& out);

// The text one interpretation box receives for one pillar's five cells.
void AppendInterpretation(std::string& box, const std::string_view* cells, PillarBlock block);

std::string_view DescribeCastError(CastError error);

}  // namespace tavrin
