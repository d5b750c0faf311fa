#pragma once

#include <istream>
#include <ostream>

#include "analysis/chart_analysis.h"
#include "tools/command_line.h"
#include "tools/exit_status.h"

namespace tavrin::cast {

// Casts every CSV row of `in` (name,date,time,zone,gender[,longitude]; see
// CsvReader) in `line.format`: text blocks and JSON objects (one per line)
// with the chart's analysis on `today`, or CSV rows under one header. Blank lines and a first row starting with "name,"
// are skipped. A row that cannot be cast is reported in its place, "line N:
// ..." on `err` for text, {"line":N,"error":"..."} for JSON or a CSV row with
// its line and error, N being the line it starts on, and the rows after it
// are cast as usual.
//
// Rows are read in chunks and `line.jobs` threads (one per core for 0) cast
// one chunk each at a time; the chunks are written in input order, so the
// output is the same whatever the number of threads. Memory stays the same
// however long the input or its lines: a few chunks per thread at most.
ExitStatus CastBatch(std::istream& in, const CommandLine& line, const analysis::Today& today, std::ostream& out,
                     std::ostream& err);

}  // namespace tavrin::cast
