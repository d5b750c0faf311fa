#include "tools/chart_csv.h"

#include <charconv>

#include "engine/chart_texts.h"
#include "engine/number_text.h"
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

// Copies plain runs whole; only a quote (doubled) and bytes from 0x80 (checked as UTF-8) are looked at one by one.
void AppendCell(std::string& out, std::string_view cell, bool first) {
  if (!first) out += ',';
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

// Number texts live here while a row is written: the shortest text that reads back as the same double.
struct NumberText {
  char digits[32];
  std::size_t length = 0;
  std::string_view View() const { return {digits, length}; }
};

NumberText Shortest(double value) {
  NumberText text;
  text.length = static_cast<std::size_t>(std::to_chars(text.digits, text.digits + sizeof text.digits, value).ptr -
                                         text.digits);
  return text;
}

// Three numbers of at least `widths` digits, zero-padded, with `separator` between them.
NumberText Padded(std::array<int, 3> numbers, std::array<int, 3> widths, char separator) {
  NumberText text;
  for (int i = 0; i < 3; ++i) {
    if (i > 0) text.digits[text.length++] = separator;
    char digits[12];
    const auto length = static_cast<int>(std::to_chars(digits, digits + sizeof digits, numbers[i]).ptr - digits);
    for (int pad = length; pad < widths[i]; ++pad) text.digits[text.length++] = '0';
    for (int d = 0; d < length; ++d) text.digits[text.length++] = digits[d];
  }
  return text;
}

void AppendChartCells(std::string& out, const BirthDetails& birth, const Chart& chart,
                      const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields, bool first) {
  const NumberText date = Padded({birth.BirthYear, birth.BirthMonth, birth.BirthDay}, {4, 2, 2}, '-');
  const NumberText time = Padded({birth.BirthHour, birth.BirthMinute, birth.BirthSecond}, {2, 2, 2}, ':');
  const NumberText longitude = Shortest(birth.Longitude);
  const NumberText direction = Shortest(chart.luckDirection);
  std::string startAge;  // a few digits: held in the string itself
  AppendGeneralNumber(startAge, chart.luckStartAge, ".");
  const PillarCells pillarCells = PillarCellsOf(chart);

  std::array<std::string_view, kChartCsvColumns.size()> cells;
  std::size_t column = 0;
  for (const std::string_view birthCell :
       {std::string_view(birth.Name), date.View(), time.View(), std::string_view(birth.ZoneOffset),
        std::string_view(birth.GenderText), longitude.View()})
    cells[column++] = birthCell;
  for (int slot = 0; slot < 20; ++slot) cells[column++] = pillarCells[slot];
  cells[column++] = direction.View();
  cells[column++] = startAge;
  for (const auto& period : chart.luckPeriods) {
    cells[column++] = StemLabel(period.pillar.stem);
    cells[column++] = BranchLabel(period.pillar.branch);
  }
  for (const analysis::PillarAnalysis& pillar : chartAnalysis.pillars) {
    cells[column++] = pillar.stem.tenGod.hanzi;
    cells[column++] = pillar.naYin.hanzi;
    cells[column++] = pillar.lifeStage.hanzi;
  }
  std::array<NumberText, 2 * analysis::kElementCount> counts;
  for (int element = 0; element < analysis::kElementCount; ++element) {
    counts[element] = Shortest(chartAnalysis.elements.eightCharacters[element]);
    counts[analysis::kElementCount + element] = Shortest(chartAnalysis.elements.withHiddenStems[element]);
  }
  for (const NumberText& count : counts) cells[column++] = count.View();
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (!fields.Has(i)) continue;
    AppendCell(out, cells[i], first);
    first = false;
  }
}

void AppendLine(std::string& out, long long line) {
  char digits[24];
  out.append(digits, static_cast<std::size_t>(std::to_chars(digits, digits + sizeof digits, line).ptr - digits));
}

}  // namespace

void AppendCsvHeader(std::string& out, const FieldSelection& fields, CsvFrame frame) {
  bool first = true;
  if (frame == CsvFrame::batchRow) {
    out += "line";
    first = false;
  }
  for (std::size_t i = 0; i < kChartCsvColumns.size(); ++i) {
    if (!fields.Has(i)) continue;
    AppendCell(out, kChartCsvColumns[i], first);
    first = false;
  }
  if (frame == CsvFrame::batchRow) out += ",error";
  out += kRowEnd;
}

void AppendChartCsv(std::string& out, const BirthDetails& birth, const Chart& chart,
                    const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields) {
  AppendChartCells(out, birth, chart, chartAnalysis, fields, true);
  out += kRowEnd;
}

void AppendBatchChartCsv(std::string& out, long long line, const BirthDetails& birth, const Chart& chart,
                         const analysis::ChartAnalysis& chartAnalysis, const FieldSelection& fields) {
  AppendLine(out, line);
  AppendChartCells(out, birth, chart, chartAnalysis, fields, false);
  out += ',';
  out += kRowEnd;
}

void AppendBatchErrorCsv(std::string& out, long long line, std::string_view error, const FieldSelection& fields) {
  AppendLine(out, line);
  for (std::size_t i = 0; i < kChartCsvColumns.size(); ++i)
    if (fields.Has(i)) out += ',';
  AppendCell(out, error, false);
  out += kRowEnd;
}

}  // namespace tavrin::cast
