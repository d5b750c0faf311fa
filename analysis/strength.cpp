#include "analysis/strength.h"

#include "engine/vocabulary.h"

namespace tavrin::analysis {
namespace {

constexpr int kDayPillar = 2;

int ElementNumber(Element element) { return static_cast<int>(element); }

// Whether `element` is `own` or the one before it in the producing order.
bool Supports(int element, int own) { return element == own || element == Modulo(own - 1, kElementCount); }

}  // namespace

StrengthEvidence StrengthEvidenceOf(const std::array<Pillar, 4>& chart) {
  const int own = ElementNumber(StemSymbols[chart[kDayPillar].stem].element);
  StrengthEvidence evidence;
  evidence.inSeason = Supports(ElementNumber(BranchSymbols[chart[1].branch].element), own);
  for (int p = 0; p < 4; ++p) {
    const BranchSymbol& branch = BranchSymbols[chart[p].branch];
    for (int i = 0; i < branch.hiddenCount; ++i)
      if (ElementNumber(StemSymbols[branch.hidden[i]].element) == own) evidence.rootedIn |= 1u << p;
    if (p != kDayPillar && Supports(ElementNumber(StemSymbols[chart[p].stem].element), own))
      evidence.supportedBy |= 1u << p;
  }
  return evidence;
}

}  // namespace tavrin::analysis
