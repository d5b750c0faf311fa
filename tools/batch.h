#pragma once

#include <istream>
#include <ostream>

#include "analysis/chart_analysis.h"
#include "tools/command_line.h"
#include "tools/exit_status.h"

namespace tavrin::cast {

// Casts every CSV row of `in` (name,date,time,zone,gender[,longitude]; see
// CsvReader) and writes each chart to `out` as soon as it is cast: text
// blocks, or one JSON object per line. Blank lines and a first row starting
// with "name," are skipped. A row that cannot be cast is reported in its
// place, "line N: ..." on `err` for text or {"line":N,"error":"..."} on `out`
// for JSON, N being the line it starts on, and the rows after it are cast as
// usual. Memory stays the same however long the input or its lines.
ExitStatus CastBatch(std::istream& in, OutputFormat format, const analysis::Today& today, std::ostream& out,
                     std::ostream& err);

}  // namespace tavrin::cast
