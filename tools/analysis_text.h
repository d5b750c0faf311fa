#pragma once

#include <string>

#include "analysis/chart_analysis.h"

namespace tavrin::cast {

// Appends the analysis as compact tables for an 80-column terminal, Chinese
// characters counted two columns wide: each pillar's stem, ten god, branch
// and life stage, its na yin and hidden stems, the element counts, the luck
// periods' years and the annual pillars, "*" marking what is current.
void AppendAnalysisText(std::string& out, const analysis::ChartAnalysis& chartAnalysis);

}  // namespace tavrin::cast
