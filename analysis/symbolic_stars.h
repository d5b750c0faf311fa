#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "analysis/symbols.h"
#include "engine/cycle.h"

// The symbolic stars a pillar carries, each read from one part of the chart
// by one table.
namespace tavrin::analysis {

// What a star is read from, and so what indexes its marks.
enum class StarBasis : std::uint8_t {
  dayStem,             // marks by the day stem (or, as a choice, the year stem)
  monthBranch,         // by the month branch
  yearAndDayBranches,  // by the year branch, and again by the day branch
  yearBranch,          // by the year branch
  dayPillar,           // by the day stem, marking day branches; on the day pillar only
  dayDecade,           // by the day pillar's decade (0 for 甲子 to 5 for 甲寅)
};

// A set of branches and stems a star falls on: bit b for branch b, bit 12 + s for stem s.
using StarMarks = std::uint32_t;

constexpr StarMarks Branches(std::initializer_list<int> branches) {
  StarMarks marks = 0;
  for (int b : branches) marks |= StarMarks{1} << b;
  return marks;
}

constexpr StarMarks Stems(std::initializer_list<int> stems) {
  StarMarks marks = 0;
  for (int s : stems) marks |= StarMarks{1} << (12 + s);
  return marks;
}

struct StarRule {
  Term name;
  StarBasis basis;
  bool yearStemChoice;  // the school choice of reading it by the year stem applies
  std::array<StarMarks, 12> marks;  // by the basis's number
};

// Branches: 子0 丑1 寅2 卯3 辰4 巳5 午6 未7 申8 酉9 戌10 亥11; stems: 甲0 ... 癸9.
// The three-harmony groups give the branch-read stars: 申子辰, 亥卯未, 寅午戌, 巳酉丑.
inline constexpr StarRule StarTable[] = {
    {{"天乙贵人", "Heavenly Noble"}, StarBasis::dayStem, true,
     {Branches({1, 7}), Branches({0, 8}), Branches({11, 9}), Branches({11, 9}), Branches({1, 7}),
      Branches({0, 8}), Branches({1, 7}), Branches({6, 2}), Branches({3, 5}), Branches({3, 5})}},
    {{"太极贵人", "Supreme Noble"}, StarBasis::dayStem, false,
     {Branches({0, 6}), Branches({0, 6}), Branches({3, 9}), Branches({3, 9}), Branches({4, 10, 1, 7}),
      Branches({4, 10, 1, 7}), Branches({2, 11}), Branches({2, 11}), Branches({5, 8}), Branches({5, 8})}},
    {{"文昌贵人", "Academic Star"}, StarBasis::dayStem, false,
     {Branches({5}), Branches({6}), Branches({8}), Branches({9}), Branches({8}), Branches({9}), Branches({11}),
      Branches({0}), Branches({2}), Branches({3})}},
    {{"国印贵人", "National Seal"}, StarBasis::dayStem, false,
     {Branches({10}), Branches({11}), Branches({1}), Branches({2}), Branches({1}), Branches({2}), Branches({4}),
      Branches({5}), Branches({7}), Branches({8})}},
    {{"金舆", "Golden Carriage"}, StarBasis::dayStem, false,
     {Branches({4}), Branches({5}), Branches({7}), Branches({8}), Branches({7}), Branches({8}), Branches({10}),
      Branches({11}), Branches({1}), Branches({2})}},
    {{"禄神", "Prosperity Star"}, StarBasis::dayStem, false,
     {Branches({2}), Branches({3}), Branches({5}), Branches({6}), Branches({5}), Branches({6}), Branches({8}),
      Branches({9}), Branches({11}), Branches({0})}},
    {{"羊刃", "Goat Blade"}, StarBasis::dayStem, false,
     {Branches({3}), 0, Branches({6}), 0, Branches({6}), 0, Branches({9}), 0, Branches({0}), 0}},
    {{"驿马", "Travelling Horse"}, StarBasis::yearAndDayBranches, false,
     {Branches({2}), Branches({11}), Branches({8}), Branches({5}), Branches({2}), Branches({11}), Branches({8}),
      Branches({5}), Branches({2}), Branches({11}), Branches({8}), Branches({5})}},
    {{"桃花", "Peach Blossom"}, StarBasis::yearAndDayBranches, false,
     {Branches({9}), Branches({6}), Branches({3}), Branches({0}), Branches({9}), Branches({6}), Branches({3}),
      Branches({0}), Branches({9}), Branches({6}), Branches({3}), Branches({0})}},
    {{"华盖", "Canopy"}, StarBasis::yearAndDayBranches, false,
     {Branches({4}), Branches({1}), Branches({10}), Branches({7}), Branches({4}), Branches({1}), Branches({10}),
      Branches({7}), Branches({4}), Branches({1}), Branches({10}), Branches({7})}},
    {{"将星", "General Star"}, StarBasis::yearAndDayBranches, false,
     {Branches({0}), Branches({9}), Branches({6}), Branches({3}), Branches({0}), Branches({9}), Branches({6}),
      Branches({3}), Branches({0}), Branches({9}), Branches({6}), Branches({3})}},
    {{"劫煞", "Robbery Star"}, StarBasis::yearAndDayBranches, false,
     {Branches({5}), Branches({2}), Branches({11}), Branches({8}), Branches({5}), Branches({2}), Branches({11}),
      Branches({8}), Branches({5}), Branches({2}), Branches({11}), Branches({8})}},
    {{"亡神", "Lost Spirit"}, StarBasis::yearAndDayBranches, false,
     {Branches({11}), Branches({8}), Branches({5}), Branches({2}), Branches({11}), Branches({8}), Branches({5}),
      Branches({2}), Branches({11}), Branches({8}), Branches({5}), Branches({2})}},
    {{"天德贵人", "Heavenly Virtue"}, StarBasis::monthBranch, false,
     {Branches({5}), Stems({6}), Stems({3}), Branches({8}), Stems({8}), Stems({7}), Branches({11}), Stems({0}),
      Stems({9}), Branches({2}), Stems({2}), Stems({1})}},
    {{"月德贵人", "Monthly Virtue"}, StarBasis::monthBranch, false,
     {Stems({8}), Stems({6}), Stems({2}), Stems({0}), Stems({8}), Stems({6}), Stems({2}), Stems({0}), Stems({8}),
      Stems({6}), Stems({2}), Stems({0})}},
    {{"孤辰", "Lonely Star"}, StarBasis::yearBranch, false,
     {Branches({2}), Branches({2}), Branches({5}), Branches({5}), Branches({5}), Branches({8}), Branches({8}),
      Branches({8}), Branches({11}), Branches({11}), Branches({11}), Branches({2})}},
    {{"寡宿", "Widow Star"}, StarBasis::yearBranch, false,
     {Branches({10}), Branches({10}), Branches({1}), Branches({1}), Branches({1}), Branches({4}), Branches({4}),
      Branches({4}), Branches({7}), Branches({7}), Branches({7}), Branches({10})}},
    {{"红鸾", "Red Phoenix"}, StarBasis::yearBranch, false,
     {Branches({3}), Branches({2}), Branches({1}), Branches({0}), Branches({11}), Branches({10}), Branches({9}),
      Branches({8}), Branches({7}), Branches({6}), Branches({5}), Branches({4})}},
    {{"天喜", "Heavenly Happiness"}, StarBasis::yearBranch, false,
     {Branches({9}), Branches({8}), Branches({7}), Branches({6}), Branches({5}), Branches({4}), Branches({3}),
      Branches({2}), Branches({1}), Branches({0}), Branches({11}), Branches({10})}},
    {{"天医", "Heavenly Doctor"}, StarBasis::monthBranch, false,
     {Branches({11}), Branches({0}), Branches({1}), Branches({2}), Branches({3}), Branches({4}), Branches({5}),
      Branches({6}), Branches({7}), Branches({8}), Branches({9}), Branches({10})}},
    {{"魁罡", "Kui Gang"}, StarBasis::dayPillar, false,
     {0, 0, 0, 0, Branches({10}), 0, Branches({4, 10}), 0, Branches({4}), 0}},
    {{"阴差阳错", "Yin Yang Error"}, StarBasis::dayPillar, false,
     {0, 0, Branches({0, 6}), Branches({1, 7}), Branches({2, 8}), 0, 0, Branches({3, 9}), Branches({4, 10}),
      Branches({5, 11})}},
    {{"十恶大败", "Ten Evils"}, StarBasis::dayPillar, false,
     {Branches({4}), Branches({5}), Branches({8}), Branches({11}), Branches({10}), Branches({1}), Branches({4}),
      Branches({5}), Branches({8}), Branches({11})}},
    {{"空亡", "Void"}, StarBasis::dayDecade, false,
     {Branches({10, 11}), Branches({8, 9}), Branches({6, 7}), Branches({4, 5}), Branches({2, 3}), Branches({0, 1})}},
};
inline constexpr int kStarCount = static_cast<int>(std::size(StarTable));

// A pillar's stars: bit i for row i of StarTable.
using StarSet = std::uint32_t;
static_assert(kStarCount <= 32);

// Where schools differ: the Heavenly Noble by the year stem instead of the day stem.
struct StarChoices {
  bool nobleByYearStem = false;
  bool operator==(const StarChoices&) const = default;
};

// The stars of each of the chart's four pillars (year, month, day, hour). A
// star read from a branch is not marked on the pillar whose branch it is read
// from; one read from the day stem or the month branch may stand on any.
std::array<StarSet, 4> ChartStars(const std::array<Pillar, 4>& chart, const StarChoices& choices);

// The stars a luck, annual or month pillar carries, read from the chart.
StarSet StarsOf(const Pillar& pillar, const std::array<Pillar, 4>& chart, const StarChoices& choices);

// The two branches void in the decade of `pillar`, as marks (the Void star's row).
StarMarks VoidOf(const Pillar& pillar);

// Whether `marks` fall on `pillar`'s stem or branch.
constexpr bool Falls(StarMarks marks, const Pillar& pillar) {
  return (marks >> pillar.branch & 1) != 0 || (marks >> (12 + pillar.stem) & 1) != 0;
}

}  // namespace tavrin::analysis
