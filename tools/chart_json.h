#pragma once

#include <string>
#include <string_view>

#include "engine/birth_details.h"
#include "engine/chart.h"

namespace tavrin::cast {

// Appends the birth and its chart as one JSON object, without a line break.
// Numbers are the shortest text that reads back as the same double; texts are
// exactly the engine's (CR LF escaped as \r\n), UTF-8 passes through.
void AppendChartJson(std::string& out, const BirthDetails& birth, const Chart& chart);

// Appends {"line":N,"error":"..."}: a batch row that could not be cast.
void AppendRowErrorJson(std::string& out, long long line, std::string_view message);

}  // namespace tavrin::cast
