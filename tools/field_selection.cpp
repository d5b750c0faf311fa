#include "tools/field_selection.h"

#include <algorithm>

namespace tavrin::cast {

std::string JoinedNames(std::span<const std::string_view> names) {
  std::string joined;
  for (const auto name : names) joined += (joined.empty() ? "" : ",") + std::string(name);
  return joined;
}

FieldSelection::FieldSelection() {
  const std::span<const ChartField> fields = ChartFields();
  for (std::size_t row = 0; row < fields.size(); ++row) chosen_[row] = fields[row].written == Written::byDefault;
  ListRows();
}

void FieldSelection::ListRows() {
  for (const FieldFormat format : {FieldFormat::json, FieldFormat::csv}) {
    std::vector<std::size_t>& rows = rows_[static_cast<int>(format)];
    rows.clear();
    for (const std::size_t row : FieldRows(format))
      if (chosen_[row]) rows.push_back(row);
  }
}

bool FieldSelection::Asks(FieldGroup group, FieldFormat format) const {
  const std::span<const ChartField> fields = ChartFields();
  for (const std::size_t row : Rows(format))
    if (fields[row].group == group) return true;
  return false;
}

std::variant<FieldSelection, std::string> FieldSelection::Parse(std::string_view list, FieldFormat format) {
  const std::span<const ChartField> fields = ChartFields();
  FieldSelection selection;
  selection.chosen_.reset();
  for (std::size_t start = 0;;) {
    const std::size_t comma = std::min(list.find(',', start), list.size());
    const std::string_view name = list.substr(start, comma - start);
    const auto found = std::find_if(fields.begin(), fields.end(),
                                    [&](const ChartField& field) { return field.name == name && field.In(format); });
    if (name == "all") {
      selection.chosen_.set();
    } else if (found != fields.end()) {
      selection.chosen_.set(static_cast<std::size_t>(found - fields.begin()));
    } else {
      return (name.empty() ? std::string("empty name") : "unknown name " + std::string(name)) +
             " in --fields; accepted: " + JoinedNames(FieldNames(format));
    }
    if (comma == list.size()) {
      selection.ListRows();
      return selection;
    }
    start = comma + 1;
  }
}

}  // namespace tavrin::cast
