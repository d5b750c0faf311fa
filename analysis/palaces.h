#pragma once

#include <array>

#include "analysis/symbols.h"
#include "engine/cycle.h"

// The conception pillar and the life and body palaces of a chart.
namespace tavrin::analysis {

// The conception pillar is the month pillar moved on by these.
struct ConceptionStep {
  int stems;
  int branches;
};
inline constexpr ConceptionStep kConceptionStep = {1, 3};

// A palace's branch: `origin` plus the months since the Tiger month times
// `monthStep` plus the hour branch (子 = 0) times `hourStep`, round the twelve.
// The life palace counts the months back from 子 and the hours on to 卯, the
// body palace the months on from 子 and the hours on to 酉. Its stem is the
// year's Tiger month stem moved on by the months from 寅 to its branch.
struct PalaceRule {
  Term name;
  int origin;
  int monthStep;
  int hourStep;
};
inline constexpr std::array<PalaceRule, 2> PalaceTable = {{
    {{"命宫", "Life Palace"}, 3, -1, -1},
    {{"身宫", "Body Palace"}, 9, 1, -1},
}};

struct Palaces {
  Pillar conception;
  Pillar life;
  Pillar body;
};

Palaces PalacesOf(const std::array<Pillar, 4>& chart);

}  // namespace tavrin::analysis
