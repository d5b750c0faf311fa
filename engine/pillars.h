#pragma once

#include <array>
#include <string_view>

#include "engine/vocabulary.h"

namespace tavrin {

// One pillar: stem, branch and the branch's three hidden stems ("" where it has fewer).
struct Pillar {
  std::array<std::string_view, 5> cells;
  std::string_view stem() const { return cells[0]; }
  std::string_view branch() const { return cells[1]; }
};

Pillar MakePillar(int stemIndex, int branchIndex);

// The stem and branch slots of the four pillars, year, month, day, hour.
struct PillarIndices {
  std::array<int, 4> stem;
  std::array<int, 4> branch;
};
const std::array<std::string_view, 3>& HiddenStemsOf(std::string_view branch);

// The year of the chart: the previous year for a January or February birth
// before Spring Beginning (the Sun below 315 degrees).
int ChartYear(int birthYear, int birthMonth, double solarLongitude);
int YearStemIndex(int chartYear);    // 1..10
int YearBranchIndex(int chartYear);  // 1..12
int FirstMonthStemIndex(int yearStemIndex);
// The month's stem: the year's first month stem moved on by the sector's offset.
int MonthStemIndex(int yearStemIndex, const MonthSector& sector);
int HourStemBase(int dayStemDigit);

const MonthSector& MonthSectorOf(double solarLongitude);

// Age at which the first luck period starts, truncated to two decimals.
double LuckStartAge(const MonthSector& sector, double solarLongitude, int luckDirection);

// Day number of the local civil day holding the day moment.
long long DayNumber(double dayMoment);

struct HourPillarIndices {
  int stem;
  int branch;
};
HourPillarIndices HourIndices(double localHours, int dayStemDigit);

}  // namespace tavrin
