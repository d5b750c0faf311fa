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

// The months and the days asked for: arrays of {"hanzi", "jie", "start"} and
// of {"date", "hanzi", "today"}.
void WriteMonthsJson(JsonWriter& json, const analysis::ChartAnalysis& chartAnalysis);
void WriteDaysJson(JsonWriter& json, const analysis::ChartAnalysis& chartAnalysis);

// "2026-02-04T04:02:11+08:00": a month's start in the zone it was read in.
std::string LocalStartText(const analysis::MonthOfYear& month, int zoneSecondsEast);
// "2026-12-09"
std::string DateText(int year, int month, int day);

}  // namespace tavrin::cast
