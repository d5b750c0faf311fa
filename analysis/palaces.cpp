#include "analysis/palaces.h"

namespace tavrin::analysis {
namespace {

constexpr int kTigerBranch = 2;

Pillar PalaceOf(const PalaceRule& rule, const std::array<Pillar, 4>& chart) {
  const int months = Modulo(chart[1].branch - kTigerBranch, kBranchCount);
  const int branch = Modulo(rule.origin + rule.monthStep * months + rule.hourStep * chart[3].branch, kBranchCount);
  const int stem = Modulo(TigerMonthStem(chart[0].stem) + Modulo(branch - kTigerBranch, kBranchCount), kStemCount);
  return {stem, branch};
}

}  // namespace

Palaces PalacesOf(const std::array<Pillar, 4>& chart) {
  const Pillar& month = chart[1];
  return {{Modulo(month.stem + kConceptionStep.stems, kStemCount),
           Modulo(month.branch + kConceptionStep.branches, kBranchCount)},
          PalaceOf(PalaceTable[0], chart),
          PalaceOf(PalaceTable[1], chart)};
}

}  // namespace tavrin::analysis
