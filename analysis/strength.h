#pragma once

#include <array>
#include <cstdint>

#include "engine/cycle.h"

// The evidence of the Day Master's strength as facts, with no verdict: schools
// weigh it differently.
namespace tavrin::analysis {

struct StrengthEvidence {
  // The month branch's element is the Day Master's own or produces it.
  bool inSeason = false;
  // Bit p for each pillar p whose branch hides a stem of the Day Master's element.
  std::uint8_t rootedIn = 0;
  // Bit p for each pillar p other than the day whose stem is of the Day
  // Master's element or produces it.
  std::uint8_t supportedBy = 0;
};

StrengthEvidence StrengthEvidenceOf(const std::array<Pillar, 4>& chart);

}  // namespace tavrin::analysis
