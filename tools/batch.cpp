#include "tools/batch.h"

#include <string>
#include <string_view>

#include "engine/chart.h"
#include "tools/birth_fields.h"
#include "tools/chart_json.h"
#include "tools/chart_text.h"
#include "tools/csv_row.h"

namespace tavrin::cast {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kRecordSeparator =
    "\n==============================================================================\n\n";

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t") == line.npos; }

bool IsHeader(std::string_view line) {
  constexpr std::string_view kStart = "name,";
  if (line.size() < kStart.size()) return false;
  for (std::size_t i = 0; i < kStart.size(); ++i)
    if ((line[i] | 0x20) != kStart[i]) return false;  // ASCII letters in either case
  return true;
}

// Casts one row into `birth` and `chart`; on a fault says what is wrong.
std::optional<std::string> CastRow(std::string_view line, CsvRow& row, BirthDetails& birth, Chart& chart) {
  if (auto fault = row.Split(line)) return std::string(*fault);
  if (row.size() != 5 && row.size() != 6)
    return "expected 5 or 6 fields (name,date,time,zone,gender[,longitude]), found " + std::to_string(row.size());
  BirthFields fields{row[0], row[1], row[2], row[3], row[4], std::nullopt};
  if (row.size() == 6 && !IsBlank(row[5])) fields.longitude = row[5];
  if (auto error = FillBirthDetails(fields, birth)) return DescribeFieldError(*error, "");
  if (const CastError error = ComputeChart(birth, chart); error != CastError::none)
    return std::string(DescribeCastError(error));
  return std::nullopt;
}

}  // namespace

ExitStatus CastBatch(std::istream& in, OutputFormat format, std::ostream& out, std::ostream& err) {
  CsvRow row;
  BirthDetails birth;
  Chart chart;
  JsonWriter json;
  std::string line, text;
  long long lineNumber = 0;
  bool firstRow = true, anyFailed = false, anyChartWritten = false;
  while (std::getline(in, line) && out) {
    ++lineNumber;
    std::string_view content = line;
    if (lineNumber == 1 && content.starts_with(kByteOrderMark)) content.remove_prefix(kByteOrderMark.size());
    if (content.ends_with('\r')) content.remove_suffix(1);
    if (IsBlank(content)) continue;
    const bool header = firstRow && IsHeader(content);
    firstRow = false;
    if (header) continue;

    const std::optional<std::string> fault = CastRow(content, row, birth, chart);
    if (fault) anyFailed = true;
    if (format == OutputFormat::json) {
      json.Clear();
      if (fault) WriteRowErrorJson(json, lineNumber, *fault);
      else WriteChartJson(json, birth, chart);
      json.LineBreak();
      out << json.Text();
    } else if (fault) {
      err << "tavrin-cast: line " << lineNumber << ": " << *fault << '\n';
    } else {
      text.clear();
      if (anyChartWritten) text += kRecordSeparator;
      AppendChartText(text, birth, chart);
      anyChartWritten = true;
      out << text;
    }
  }
  if (in.bad()) {
    err << "tavrin-cast: the batch could not be read after line " << lineNumber << '\n';
    return kBadInput;
  }
  return anyFailed ? kSomeRowsFailed : kDone;
}

}  // namespace tavrin::cast
