#include "tools/batch.h"

#include <optional>
#include <string>
#include <string_view>

#include "engine/chart.h"
#include "tools/birth_fields.h"
#include "tools/chart_json.h"
#include "tools/chart_text.h"
#include "tools/csv_reader.h"
#include "tools/error_line.h"

namespace tavrin::cast {
namespace {

constexpr std::string_view kRecordSeparator =
    "\n==============================================================================\n\n";

bool IsBlank(std::string_view text) { return text.find_first_not_of(" \t") == text.npos; }

bool IsHeader(std::string_view start) {
  constexpr std::string_view kStart = "name,";
  if (start.size() < kStart.size()) return false;
  for (std::size_t i = 0; i < kStart.size(); ++i)
    if ((start[i] | 0x20) != kStart[i]) return false;  // ASCII letters in either case
  return true;
}

// Casts the row into `birth` and `chart`; on a fault says what is wrong.
std::optional<std::string> CastRow(const CsvReader& row, const analysis::Today& today, BirthDetails& birth, Chart& chart,
                                   analysis::ChartAnalysis& chartAnalysis) {
  if (auto fault = row.Fault()) return std::string(*fault);
  if (row.size() != 5 && row.size() != 6)
    return "expected 5 or 6 fields (name,date,time,zone,gender[,longitude]), found " + std::to_string(row.size());
  BirthFields fields{row[0], row[1], row[2], row[3], row[4], std::nullopt};
  if (row.size() == 6 && !IsBlank(row[5])) fields.longitude = row[5];
  if (auto error = FillBirthDetails(fields, birth)) return DescribeFieldError(*error, "");
  if (const CastError error = ComputeChart(birth, chart); error != CastError::none)
    return std::string(DescribeCastError(error));
  if (!analysis::AnalyzeChart(birth, chart, today, chartAnalysis)) return std::string(kUnreadableChart);
  return std::nullopt;
}

}  // namespace

ExitStatus CastBatch(std::istream& in, OutputFormat format, const analysis::Today& today, std::ostream& out,
                     std::ostream& err) {
  CsvReader row(in);
  BirthDetails birth;
  Chart chart;
  analysis::ChartAnalysis chartAnalysis;
  JsonWriter json;
  std::string text;
  bool firstRow = true, anyFailed = false, anyChartWritten = false;
  while (out && row.Next()) {
    if (row.IsBlank()) continue;
    const bool header = firstRow && IsHeader(row.Start());
    firstRow = false;
    if (header) continue;

    const std::optional<std::string> fault = CastRow(row, today, birth, chart, chartAnalysis);
    if (fault) anyFailed = true;
    if (format == OutputFormat::json) {
      json.Clear();
      if (fault) WriteRowErrorJson(json, row.Line(), *fault);
      else WriteChartJson(json, birth, chart, chartAnalysis);
      json.LineBreak();
      out << json.Text();
    } else if (fault) {
      WriteErrorLine(err, "line " + std::to_string(row.Line()) + ": " + *fault);
    } else {
      text.clear();
      if (anyChartWritten) text += kRecordSeparator;
      AppendChartText(text, birth, chart, chartAnalysis);
      anyChartWritten = true;
      out << text;
    }
  }
  if (row.ReadFailed()) {
    WriteErrorLine(err, "the batch could not be read after line " + std::to_string(row.LinesRead()));
    return kBadInput;
  }
  return anyFailed ? kSomeRowsFailed : kDone;
}

}  // namespace tavrin::cast
