#pragma once

#include <string>

#include "engine/birth_details.h"
#include "analysis/chart_analysis.h"
#include "engine/chart.h"
#include "tools/birth_place.h"

namespace tavrin::cast {

// Appends the chart as text for an 80-column terminal: the birth, the four
// pillars side by side, their analysis, the luck periods first first, then the four
// interpretation texts, wrapped at word boundaries. Lines end in "\n". A
// place or a named zone in `where` adds a line each after the birth.
void AppendChartText(std::string& out, const BirthDetails& birth, const Chart& chart,
                     const analysis::ChartAnalysis& chartAnalysis, const BirthWhere& where = {});

}  // namespace tavrin::cast
