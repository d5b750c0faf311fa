#pragma once

#include <array>

#include "astro/civil_time.h"
#include "engine/cycle.h"

// The month pillars of a year and the day pillars of a month, as a reading
// follows them through time.
namespace tavrin::analysis {

// A month of a year's pillar: its pillar, the sector of MonthSectorTable
// whose Jie opens it, and the Jie's instant (Julian Date, UT) and its civil
// time in a zone.
struct MonthOfYear {
  Pillar pillar;
  int sector = 0;
  double startUt = 0;
  astro::CivilTime startLocal{};
};

// The twelve months of `year`'s pillar from its Spring Beginning, each Jie
// solved on the precise Sun; false (and `out` untouched) outside the
// precise method's years.
bool MonthsOfYear(int year, int zoneSecondsEast, std::array<MonthOfYear, 12>& out);

struct DayOfMonth {
  int day = 0;
  Pillar pillar;
};

// The civil days of `month` (1 to 12) of `year`, in the calendar of the
// charts, with their pillars; returns how many (0 for a month outside 1 to 12).
int DaysOfMonth(int year, int month, std::array<DayOfMonth, 31>& out);

}  // namespace tavrin::analysis
