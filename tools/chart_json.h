#pragma once

#include <string_view>

#include "analysis/chart_analysis.h"
#include "engine/birth_details.h"
#include "engine/chart.h"
#include "tools/birth_place.h"
#include "tools/field_selection.h"
#include "tools/json_writer.h"

namespace tavrin::cast {

// Writes the birth and its chart as one JSON object: the members of
// ChartFields() that `fields` holds and the chart has, in the table's order.
// Numbers are the shortest text that reads back as the same double; texts
// are exactly the engine's (CR LF escaped as \r\n), UTF-8 passes through.
void WriteChartJson(JsonWriter& json, const BirthDetails& birth, const Chart& chart,
                    const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields = {},
                    const BirthWhere& where = {});

// Writes {"line":N,"error":"..."}: a batch row that could not be cast.
void WriteRowErrorJson(JsonWriter& json, long long line, std::string_view message);

}  // namespace tavrin::cast
