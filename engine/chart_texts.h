#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/chart.h"

// The chart in the program's own words: the labels of its cells, the luck
// captions and the interpretation texts, as the chart window, the reading
// report and the caster show them.
namespace tavrin {

inline constexpr int kPillarCellCount = 21;  // four pillars of five; the last slot stays empty
inline constexpr int kLuckCaptionCount = 24;

using PillarCells = std::array<std::string_view, kPillarCellCount>;
using LuckCaptions = std::array<std::string, kLuckCaptionCount>;

inline std::string_view StemLabel(int stem) { return StemSymbols[stem].label; }
inline std::string_view BranchLabel(int branch) { return BranchSymbols[branch].label; }

// One of a pillar's five cells: 0 the stem, 1 the branch, 2 to 4 the
// branch's hidden stems ("" where it has fewer).
inline std::string_view CellOf(const Pillar& pillar, int cell) {
  if (cell == 0) return StemLabel(pillar.stem);
  const BranchSymbol& branch = BranchSymbols[pillar.branch];
  if (cell == 1) return branch.label;
  return cell - 2 < branch.hiddenCount ? StemLabel(branch.hidden[cell - 2]) : std::string_view();
}
// All five.
std::array<std::string_view, 5> CellsOf(const Pillar& pillar);

// The four pillars' cells, year first in slots 0 to 4, hour in 15 to 19.
PillarCells PillarCellsOf(const Chart& chart);

// Captions in label order: 0..7 ages, 8..15 stems, 16..23 branches; caption
// c shows period 8 - c, so the first period sits at 7, 15 and 23. Ages use
// `decimalSeparator`. Writes into `out` so that reused strings keep their storage.
void WriteLuckCaptions(const LuckPeriods& periods, std::string_view decimalSeparator, LuckCaptions& out);
LuckCaptions LuckCaptionsOf(const Chart& chart, std::string_view decimalSeparator = ".");

// What a pillar's interpretation box receives: for the stem and each hidden
// stem, its label and its nature, each followed by CR LF, the hour box's
// natures by two.
const std::string& InterpretationOf(const Pillar& pillar, PillarBlock block);

}  // namespace tavrin
