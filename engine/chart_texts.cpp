#include "engine/chart_texts.h"

#include "engine/number_text.h"

namespace tavrin {
namespace {

constexpr std::string_view kLineBreak = "\r\n";

void AppendStem(std::string& box, int stem, PillarBlock block) {
  box += StemLabel(stem);
  box += kLineBreak;
  box += DayMasterTable[stem];
  box += kLineBreak;
  if (block == PillarBlock::hour) box += kLineBreak;
}

}  // namespace

std::array<std::string_view, 5> CellsOf(const Pillar& pillar) {
  std::array<std::string_view, 5> cells;
  for (int cell = 0; cell < 5; ++cell) cells[cell] = CellOf(pillar, cell);
  return cells;
}

PillarCells PillarCellsOf(const Chart& chart) {
  PillarCells cells{};
  for (int block = 0; block < 4; ++block) {
    const auto pillar = CellsOf(chart.pillars[block]);
    for (int i = 0; i < 5; ++i) cells[5 * block + i] = pillar[i];
  }
  return cells;
}

void WriteLuckCaptions(const LuckPeriods& periods, std::string_view decimalSeparator, LuckCaptions& out) {
  for (int slot = 0; slot < 8; ++slot) {
    const LuckPeriod& period = periods[7 - slot];
    out[slot].clear();
    AppendGeneralNumber(out[slot], period.age, decimalSeparator);
    out[8 + slot].assign(StemLabel(period.pillar.stem));
    out[16 + slot].assign(BranchLabel(period.pillar.branch));
  }
}

LuckCaptions LuckCaptionsOf(const Chart& chart, std::string_view decimalSeparator) {
  LuckCaptions captions;
  WriteLuckCaptions(chart.luckPeriods, decimalSeparator, captions);
  return captions;
}

const std::string& InterpretationOf(const Pillar& pillar, PillarBlock block) {
  // Written once for every pillar there can be, in the year box's and the hour box's line endings.
  static const auto kTexts = [] {
    std::array<std::array<std::array<std::string, 2>, kBranchCount>, kStemCount> texts;
    for (int stem = 0; stem < kStemCount; ++stem)
      for (int branch = 0; branch < kBranchCount; ++branch)
        for (const PillarBlock kind : {PillarBlock::year, PillarBlock::hour}) {
          std::string& box = texts[stem][branch][kind == PillarBlock::hour];
          AppendStem(box, stem, kind);
          const BranchSymbol& symbol = BranchSymbols[branch];
          for (int i = 0; i < symbol.hiddenCount; ++i) AppendStem(box, symbol.hidden[i], kind);
        }
    return texts;
  }();
  return kTexts[pillar.stem][pillar.branch][block == PillarBlock::hour];
}

}  // namespace tavrin
