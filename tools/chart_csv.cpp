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

void AppendChartCells(std::string& out, const FieldSources& sources, const FieldSelection& fields, bool first) {
  const std::span<const ChartField> table = ChartFields();
  const ChartParts parts(sources);
  for (const std::size_t row : FieldRows(FieldFormat::csv)) {
    if (!fields.Has(row)) continue;
    const ChartField& field = table[row];
    if (!first) out += ',';
    first = false;
    if (parts.Has(field.group)) field.csv(out, sources, field.item);
  }
}

void AppendLine(std::string& out, long long line) {
  char digits[24];
  out.append(digits, static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, line).ptr - digits));
}

}  // namespace

// Copies plain runs whole; only a quote (doubled) and bytes from 0x80 (checked as UTF-8) are looked at one by one.
void AppendCsvCell(std::string& out, std::string_view cell) {
  const bool quoted = NeedsQuotes(cell);
  if (quoted) out += '"';
  std::size_t run = 0;  // start of the bytes not written yet
  for (std::size_t at = 0; at < cell.size(); ++at) {
    const auto byte = static_cast<unsigned char>(cell[at]);
    if (byte != '"' && byte < 0x80) continue;
    out.append(cell, run, at - run);
    if (byte == '"') {
      out += "\"\"";
    } else if (const std::size_t length = Utf8SequenceLength(cell, at); length > 0) {
      out.append(cell, at, length);
      at += length - 1;
    } else {
      out += kReplacementCharacter;
    }
    run = at + 1;
  }
  out.append(cell, run);
  if (quoted) out += '"';
}

void AppendCsvHeader(std::string& out, const FieldSelection& fields, CsvFrame frame) {
  bool first = true;
  if (frame == CsvFrame::batchRow) {
    out += "line";
    first = false;
  }
  const std::span<const ChartField> table = ChartFields();
  for (const std::size_t row : FieldRows(FieldFormat::csv)) {
    if (!fields.Has(row)) continue;
    if (!first) out += ',';
    first = false;
    AppendCsvCell(out, table[row].name);
  }
  if (frame == CsvFrame::batchRow) out += ",error";
  out += kRowEnd;
}

void AppendChartCsv(std::string& out, const BirthDetails& birth, const Chart& chart,
                    const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields,
                    const BirthWhere& where) {
  AppendChartCells(out, {birth, chart, chartAnalysis, where}, fields, true);
  out += kRowEnd;
}

void AppendBatchChartCsv(std::string& out, long long line, const BirthDetails& birth, const Chart& chart,
                         const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields,
                         const BirthWhere& where) {
  AppendLine(out, line);
  AppendChartCells(out, {birth, chart, chartAnalysis, where}, fields, false);
  out += ',';
  out += kRowEnd;
}

void AppendBatchErrorCsv(std::string& out, long long line, std::string_view error, const FieldSelection& fields) {
  AppendLine(out, line);
  for (const std::size_t row : FieldRows(FieldFormat::csv))
    if (fields.Has(row)) out += ',';
  out += ',';
  AppendCsvCell(out, error);
  out += kRowEnd;
}

}  // namespace tavrin::cast
