#include "tools/chart_csv.h"

#include <charconv>

#include "tools/utf8_sequence.h"

namespace tavrin::cast {
namespace {

constexpr std::string_view kRowEnd = "\r\n";
constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD

bool NeedsQuotes(std::string_view cell) {
  if (cell.empty()) return false;
  if (cell.front() == ' ' || cell.back() == ' ') return true;
  for (const char c : cell)
    if (c == ',' || c == '"' || static_cast<unsigned char>(c) < 0x20 || c == 0x7F) return true;
  return false;
}

void AppendChartCells(CsvText& out, const FieldSources& sources, const FieldSelection& fields, bool first) {
  const std::span<const ChartField> table = ChartFields();
  const ChartParts parts(sources);
  for (const std::size_t row : fields.Rows(FieldFormat::csv)) {
    const ChartField& field = table[row];
    if (!first) out += ',';
    first = false;
    if (parts.Has(field.group)) field.csv(out, sources, field.item);
  }
}

void AppendLine(CsvText& out, long long line) {
  char* digits = out.Room(24);
  out.Took(std::to_chars(digits, digits + 24, line).ptr);
}

}  // namespace

// Copies plain runs whole; only a quote (doubled) and bytes from 0x80 (checked as UTF-8) are looked at one by one.
void AppendCsvCell(CsvText& out, std::string_view cell) {
  const bool quoted = NeedsQuotes(cell);
  if (quoted) out += '"';
  std::size_t run = 0;  // start of the bytes not written yet
  for (std::size_t at = 0; at < cell.size(); ++at) {
    const auto byte = static_cast<unsigned char>(cell[at]);
    if (byte != '"' && byte < 0x80) continue;
    out += cell.substr(run, at - run);
    if (byte == '"') {
      out += "\"\"";
    } else if (const std::size_t length = Utf8SequenceLength(cell, at); length > 0) {
      out += cell.substr(at, length);
      at += length - 1;
    } else {
      out += kReplacementCharacter;
    }
    run = at + 1;
  }
  out += cell.substr(run);
  if (quoted) out += '"';
}

void AppendCsvHeader(CsvText& out, const FieldSelection& fields, CsvFrame frame) {
  bool first = true;
  if (frame == CsvFrame::batchRow) {
    out += "line";
    first = false;
  }
  const std::span<const ChartField> table = ChartFields();
  for (const std::size_t row : fields.Rows(FieldFormat::csv)) {
    if (!first) out += ',';
    first = false;
    AppendCsvCell(out, table[row].name);
  }
  if (frame == CsvFrame::batchRow) out += ",error";
  out += kRowEnd;
}

void AppendChartCsv(CsvText& out, const BirthDetails& birth, const Chart& chart,
                    const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields,
                    const BirthWhere& where) {
  AppendChartCells(out, {birth, chart, chartAnalysis, where}, fields, true);
  out += kRowEnd;
}

void AppendBatchChartCsv(CsvText& out, long long line, const BirthDetails& birth, const Chart& chart,
                         const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields,
                         const BirthWhere& where) {
  AppendLine(out, line);
  AppendChartCells(out, {birth, chart, chartAnalysis, where}, fields, false);
  out += ',';
  out += kRowEnd;
}

void AppendBatchErrorCsv(CsvText& out, long long line, std::string_view error, const FieldSelection& fields) {
  AppendLine(out, line);
  for (std::size_t i = 0; i < fields.Rows(FieldFormat::csv).size(); ++i) out += ',';
  out += ',';
  AppendCsvCell(out, error);
  out += kRowEnd;
}

}  // namespace tavrin::cast
