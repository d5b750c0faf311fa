#pragma once

#include <array>
#include <string_view>

#include "engine/birth_details.h"
#include "analysis/chart_analysis.h"
#include "engine/chart.h"
#include "tools/birth_place.h"
#include "tools/field_selection.h"
#include "tools/json_writer.h"

namespace tavrin::cast {

// Writes the birth and its chart as one JSON object. Numbers are the shortest
// text that reads back as the same double; texts are exactly the engine's
// (CR LF escaped as \r\n), UTF-8 passes through. Only the members `fields`
// holds are written, indexed by kChartJsonKeys; "place" and "timeZone" only
// when `where` has them.
void WriteChartJson(JsonWriter& json, const BirthDetails& birth, const Chart& chart,
                    const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields = {},
                    const BirthWhere& where = {});

// The chart object's members, in the order they are written.
// The members from "method" to "warnings" are written for a chart cast with
// the precise method only, "place" and "timeZone" only when a place or a zone
// name was used, so a classic chart's JSON stays as it always was.
inline constexpr std::array<std::string_view, 24> kChartJsonKeys = {
    "name",        "birth",         "localHours",   "julianDay0",  "dayMoment",    "sunMoment",      "solarLongitude",
    "pillarCells", "luckDirection", "luckStartAge", "luckPeriods", "luckCaptions", "interpretation", "analysis",
    "method",      "solarTime",     "dayStarts",    "utc",         "equationOfTimeMinutes",          "jie",
    "luckStart",   "warnings",      "place",        "timeZone"};

// Writes {"line":N,"error":"..."}: a batch row that could not be cast.
void WriteRowErrorJson(JsonWriter& json, long long line, std::string_view message);

}  // namespace tavrin::cast
