#pragma once

#include "analysis/chart_analysis.h"
#include "engine/chart.h"
#include "tools/command_line.h"

namespace tavrin::cast {

// The parts of a chart the output reads; a cast works out no others.
struct CastNeeds {
  bool luckPeriods = true;   // the eight periods (their direction and age are always cast)
  bool analysis = true;
  bool birthDetails = true;  // the birth's record as the outputs show it
};
CastNeeds NeedsOf(const CommandLine& line);

// Casts `birth` into `chart` and analyses it into `chartAnalysis` with the
// school `choices`, each as far as `needs` asks.
CastError CastAsNeeded(const Birth& birth, const CastOptions& options, const CastNeeds& needs,
                       const analysis::Today& today, const analysis::ReadingChoices& choices, Chart& chart,
                       analysis::ChartAnalysis& chartAnalysis);

}  // namespace tavrin::cast
