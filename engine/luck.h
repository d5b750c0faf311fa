#pragma once

#include <array>

#include "engine/birth.h"
#include "engine/cycle.h"
#include "engine/vocabulary.h"

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
inline int LuckDirection(int genderSign, int yearStem) { return genderSign * (StemSymbols[yearStem].yang ? 1 : -1); }

// The eight periods, first first, stepping through the sixty-pair cycle from
// the month pillar (as CycleStep steps), written into `periods`.
inline void WriteLuckPeriods(const Pillar& month, int direction, double startAge, LuckPeriods& periods) {
  // Three cycles in a row: the number k places from n, for |k| <= cycle, is run[cycle + n + k].
  static constexpr auto kRun = [](int cycle) {
    std::array<int, 3 * kBranchCount> run{};
    for (int k = 0; k < 3 * cycle; ++k) run[k] = k % cycle;
    return run;
  };
  static constexpr auto kStemRun = kRun(kStemCount), kBranchRun = kRun(kBranchCount);
  for (int i = 0; i < 8; ++i) {
    const int steps = direction * (i + 1);
    periods[i] = {startAge + 10 * i,
                  {kStemRun[kStemCount + month.stem + steps], kBranchRun[kBranchCount + month.branch + steps]}};
  }
}

}  // namespace tavrin
