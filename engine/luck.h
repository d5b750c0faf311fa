#pragma once

#include <array>

#include "engine/birth.h"
#include "engine/cycle.h"

namespace tavrin {

struct LuckPeriod {
  double age;  // years, at most two decimals
  Pillar pillar;
};

using LuckPeriods = std::array<LuckPeriod, 8>;

// When the first luck period starts: whole years, months and days of age
// (a year of twelve months of thirty days), and that day's date.
struct LuckStart {
  int years = 0, months = 0, days = 0;
  int year = 0, month = 0, day = 0;
};

// The luck start `lifeDays` days of age (360 to a year) after the birth date.
LuckStart LuckStartAfter(const Birth& birth, int lifeDays);

// The days of age of a starting age in years (at most two decimals).
int LifeDaysOfAge(double years);

// +1 (forward) for a man born in a Yang year or a woman born in a Yin year, else -1.
int LuckDirection(int genderSign, int yearStem);

// The eight periods, first first, stepping through the sixty-pair cycle from the month pillar.
LuckPeriods MakeLuckPeriods(const Pillar& month, int direction, double startAge);

}  // namespace tavrin
