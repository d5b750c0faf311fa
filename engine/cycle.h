#pragma once

#include "engine/arithmetic.h"
#include "engine/vocabulary.h"

// The rules of the sixty-pair cycle of stems and branches, each written once.
namespace tavrin {

// A stem over a branch, as numbers (stem 0 = Jia, branch 0 = Rat).
struct Pillar {
  int stem = 0;
  int branch = 0;
  bool operator==(const Pillar&) const = default;
};

// The place, 0 to 59, of a stem and branch of the same polarity in the
// sixty-pair cycle that starts with Jia Rat.
constexpr int CyclePosition(const Pillar& pillar) {
  return pillar.stem + kStemCount * (Modulo(pillar.stem - pillar.branch, kBranchCount) / 2);
}

// The pillar `steps` places on (back, when negative) in the sixty-pair cycle.
constexpr Pillar CycleStep(const Pillar& pillar, int steps) {
  return {Modulo(pillar.stem + steps, kStemCount), Modulo(pillar.branch + steps, kBranchCount)};
}

// The pillar of a year counted from its Spring Beginning: 4 CE began a cycle
// with Jia Rat.
constexpr Pillar YearPillar(int chartYear) { return CycleStep({0, 0}, chartYear - 4); }

// The pillar of the local civil day with this Julian day number: day
// 2451545 (1 January 2000) was Wu Horse.
constexpr Pillar DayPillar(long long dayNumber) { return CycleStep({4, 6}, static_cast<int>(dayNumber - 2451545)); }

// The Tiger month's stem in a year of this stem: Bing in a Jia or Ji year,
// moving two stems on with each following year stem.
constexpr int TigerMonthStem(int yearStem) { return Modulo(2 * yearStem + 2, kStemCount); }

// The early Rat hour's stem on a day of this stem: Jia on a Jia or Ji day,
// moving two stems on with each following day stem.
constexpr int RatHourStem(int dayStem) { return Modulo(2 * dayStem, kStemCount); }

}  // namespace tavrin
