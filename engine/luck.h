#pragma once

#include <array>
#include <string_view>

namespace tavrin {

struct LuckPeriod {
  double age;  // years, at most two decimals
  std::string_view stem;
  std::string_view branch;
};

using LuckPeriods = std::array<LuckPeriod, 8>;

// +1 (forward) for a man born in a Yang year or a woman born in a Yin year, else -1.
int LuckDirection(int genderSign, int yearStemIndex);

// The eight periods, first first, stepping through the sixty-cycle from the month pillar.
LuckPeriods MakeLuckPeriods(int monthStemIndex, int monthBranchIndex, int direction, double startAge);

}  // namespace tavrin
