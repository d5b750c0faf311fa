#include "tools/csv_row.h"

#include <algorithm>

namespace tavrin::cast {

std::string& CsvRow::NextField() {
  if (count_ == fields_.size()) fields_.emplace_back();
  std::string& field = fields_[count_++];
  field.clear();
  return field;
}

std::optional<std::string_view> CsvRow::Split(std::string_view line) {
  count_ = 0;
  std::size_t i = 0;
  while (true) {
    std::string& field = NextField();
    std::size_t start = i;
    while (start < line.size() && line[start] == ' ') ++start;
    if (start < line.size() && line[start] == '"') {
      i = start + 1;
      while (true) {
        const std::size_t quote = line.find('"', i);
        if (quote == line.npos) return "a quoted field has no closing quote";
        field.append(line, i, quote - i);
        i = quote + 1;
        if (i < line.size() && line[i] == '"') {
          field += '"';
          ++i;
          continue;
        }
        break;
      }
      while (i < line.size() && line[i] == ' ') ++i;
      if (i < line.size() && line[i] != ',') return "text after the closing quote of a field";
    } else {
      const std::size_t comma = std::min(line.find(',', i), line.size());
      field.append(line, i, comma - i);
      i = comma;
    }
    if (i == line.size()) return std::nullopt;
    ++i;  // past the comma
  }
}

}  // namespace tavrin::cast
