#include "analysis/symbolic_stars.h"

namespace tavrin::analysis {
namespace {

constexpr int kVoidRow = kStarCount - 1;
static_assert(StarTable[kVoidRow].basis == StarBasis::dayDecade);

constexpr int kCycleDecade = 10;

// The marks of rule `star` as a chart's pillars give them; for a star read
// from the year and the day branch, the year's (the day's through `dayMarks`).
StarMarks MarksOf(const StarRule& star, const std::array<Pillar, 4>& chart, const StarChoices& choices,
                  StarMarks& dayMarks) {
  dayMarks = 0;
  switch (star.basis) {
    case StarBasis::dayStem:
      return star.marks[choices.nobleByYearStem && star.yearStemChoice ? chart[0].stem : chart[2].stem];
    case StarBasis::monthBranch: return star.marks[chart[1].branch];
    case StarBasis::yearAndDayBranches: dayMarks = star.marks[chart[2].branch]; return star.marks[chart[0].branch];
    case StarBasis::yearBranch: return star.marks[chart[0].branch];
    case StarBasis::dayPillar: return star.marks[chart[2].stem];
    case StarBasis::dayDecade: return VoidOf(chart[2]);
  }
  return 0;
}

}  // namespace

StarMarks VoidOf(const Pillar& pillar) { return StarTable[kVoidRow].marks[CyclePosition(pillar) / kCycleDecade]; }

std::array<StarSet, 4> ChartStars(const std::array<Pillar, 4>& chart, const StarChoices& choices) {
  std::array<StarSet, 4> stars{};
  for (int row = 0; row < kStarCount; ++row) {
    const StarRule& star = StarTable[row];
    StarMarks dayMarks;
    const StarMarks marks = MarksOf(star, chart, choices, dayMarks);
    const StarSet bit = StarSet{1} << row;
    for (int p = 0; p < 4; ++p) {
      bool falls = false;
      switch (star.basis) {
        case StarBasis::yearAndDayBranches:
          falls = (p != 0 && Falls(marks, chart[p])) || (p != 2 && Falls(dayMarks, chart[p]));
          break;
        case StarBasis::yearBranch: falls = p != 0 && Falls(marks, chart[p]); break;
        case StarBasis::dayPillar: falls = p == 2 && Falls(marks, chart[p]); break;
        default: falls = Falls(marks, chart[p]);
      }
      if (falls) stars[p] |= bit;
    }
  }
  return stars;
}

StarSet StarsOf(const Pillar& pillar, const std::array<Pillar, 4>& chart, const StarChoices& choices) {
  StarSet stars = 0;
  for (int row = 0; row < kStarCount; ++row) {
    const StarRule& star = StarTable[row];
    if (star.basis == StarBasis::dayPillar) continue;
    StarMarks dayMarks;
    const StarMarks marks = MarksOf(star, chart, choices, dayMarks);
    if (Falls(marks | dayMarks, pillar)) stars |= StarSet{1} << row;
  }
  return stars;
}

}  // namespace tavrin::analysis
