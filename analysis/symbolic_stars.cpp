#include "analysis/symbolic_stars.h"

namespace tavrin::analysis {
namespace {

constexpr int kVoidRow = kStarCount - 1;
static_assert(StarTable[kVoidRow].basis == StarBasis::dayDecade);

constexpr int kCycleDecade = 10;

// For each basis number and each mark (bit b for branch b, 12 + s for stem
// s), the stars of the rules of `basis` that fall on it: the table read by
// number, so that a pillar's stars are a few look-ups. The Heavenly Noble
// row is kept apart when `noble` is false, and alone when it is true.
using StarsByMark = std::array<std::array<StarSet, 22>, 12>;

constexpr StarsByMark StarsOfBasis(StarBasis basis, bool noble) {
  StarsByMark table{};
  for (int row = 0; row < kStarCount; ++row) {
    const StarRule& star = StarTable[row];
    if (star.basis != basis || (basis == StarBasis::dayStem && star.yearStemChoice != noble)) continue;
    for (int value = 0; value < 12; ++value)
      for (int mark = 0; mark < 22; ++mark)
        if (star.marks[value] >> mark & 1) table[value][mark] |= StarSet{1} << row;
  }
  return table;
}

constexpr StarsByMark kByDayStem = StarsOfBasis(StarBasis::dayStem, false);
constexpr StarsByMark kNoble = StarsOfBasis(StarBasis::dayStem, true);
constexpr StarsByMark kByMonthBranch = StarsOfBasis(StarBasis::monthBranch, false);
constexpr StarsByMark kByYearAndDayBranch = StarsOfBasis(StarBasis::yearAndDayBranches, false);
constexpr StarsByMark kByYearBranch = StarsOfBasis(StarBasis::yearBranch, false);
constexpr StarsByMark kByDayPillar = StarsOfBasis(StarBasis::dayPillar, false);

// The stars of `table` read from `value` that fall on `pillar`'s branch or stem.
StarSet On(const StarsByMark& table, int value, const Pillar& pillar) {
  return table[value][pillar.branch] | table[value][12 + pillar.stem];
}

// The stars a pillar carries from the rules that may stand on any pillar.
StarSet AnyPillarStars(const Pillar& pillar, const std::array<Pillar, 4>& chart, const StarChoices& choices) {
  const int nobleStem = choices.nobleByYearStem ? chart[0].stem : chart[2].stem;
  StarSet stars = On(kByDayStem, chart[2].stem, pillar) | On(kNoble, nobleStem, pillar) |
                  On(kByMonthBranch, chart[1].branch, pillar);
  if (Falls(VoidOf(chart[2]), pillar)) stars |= StarSet{1} << kVoidRow;
  return stars;
}

}  // namespace

StarMarks VoidOf(const Pillar& pillar) { return StarTable[kVoidRow].marks[CyclePosition(pillar) / kCycleDecade]; }

std::array<StarSet, 4> ChartStars(const std::array<Pillar, 4>& chart, const StarChoices& choices) {
  std::array<StarSet, 4> stars{};
  for (int p = 0; p < 4; ++p) {
    const Pillar& pillar = chart[p];
    StarSet found = AnyPillarStars(pillar, chart, choices);
    if (p != 0) found |= On(kByYearAndDayBranch, chart[0].branch, pillar) | On(kByYearBranch, chart[0].branch, pillar);
    if (p != 2) found |= On(kByYearAndDayBranch, chart[2].branch, pillar);
    if (p == 2) found |= kByDayPillar[pillar.stem][pillar.branch];
    stars[p] = found;
  }
  return stars;
}

StarSet StarsOf(const Pillar& pillar, const std::array<Pillar, 4>& chart, const StarChoices& choices) {
  return AnyPillarStars(pillar, chart, choices) | On(kByYearAndDayBranch, chart[0].branch, pillar) |
         On(kByYearAndDayBranch, chart[2].branch, pillar) | On(kByYearBranch, chart[0].branch, pillar);
}

}  // namespace tavrin::analysis
