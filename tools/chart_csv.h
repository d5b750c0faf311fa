#pragma once

#include <string>
#include <string_view>

#include "analysis/chart_analysis.h"
#include "engine/birth_details.h"
#include "engine/chart.h"
#include "tools/birth_place.h"
#include "tools/csv_text.h"
#include "tools/field_selection.h"

namespace tavrin::cast {

// How a batch frames the chart columns: its rows start with the input line
// they were read from and end with the error of a row that could not be cast.
enum class CsvFrame { oneChart, batchRow };

// Appends RFC 4180 rows, CR LF after each: the columns of ChartFields() that
// `fields` holds, in the table's order (a column of a part the chart lacks
// stays empty). A cell is quoted when it holds a comma, a quote, a control
// character (line breaks among them) or spaces at either end (quotes
// doubled); control characters are kept as they are; bytes that are not
// well-formed UTF-8 become U+FFFD, as in the JSON.
void AppendCsvHeader(CsvText& out, const FieldSelection& fields, CsvFrame frame);
void AppendChartCsv(CsvText& out, const BirthDetails& birth, const Chart& chart,
                    const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields,
                    const BirthWhere& where = {});
// A batch row: its line, the chart's columns and an empty error.
void AppendBatchChartCsv(CsvText& out, long long line, const BirthDetails& birth, const Chart& chart,
                         const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields,
                         const BirthWhere& where = {});
// A batch row that could not be cast: its line, empty chart columns and the error.
void AppendBatchErrorCsv(CsvText& out, long long line, std::string_view error, const FieldSelection& fields);

// Appends one cell's text, quoted as above where it needs it.
void AppendCsvCell(CsvText& out, std::string_view cell);

}  // namespace tavrin::cast
