#pragma once

#include "analysis/chart_analysis.h"
#include "tools/json_writer.h"

namespace tavrin::cast {

// Writes the value of the member "analysis": the four pillars read against
// the day stem, the element counts, the luck periods' years and what is current.
void WriteAnalysisJson(JsonWriter& json, const analysis::ChartAnalysis& chartAnalysis);

// Writes the value of the member "annualPillars": the pillar of each year
// from the birth year to age 100, with its luck period.
void WriteAnnualPillarsJson(JsonWriter& json, const analysis::ChartAnalysis& chartAnalysis);

}  // namespace tavrin::cast
