#pragma once

#include <bitset>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "tools/chart_fields.h"

namespace tavrin::cast {

// Which fields of ChartFields() an output writes: all of them unless
// --fields narrowed the list. They are always written in the table's order.
class FieldSelection {
 public:
  static constexpr std::size_t kMostFields = 128;

  FieldSelection() { chosen_.set(); }

  // Reads a comma-separated list of the names of `format`'s fields; an unknown or empty name is an error.
  static std::variant<FieldSelection, std::string> Parse(std::string_view list, FieldFormat format);

  bool Has(std::size_t field) const { return chosen_[field]; }  // a row of ChartFields()

 private:
  std::bitset<kMostFields> chosen_;
};

// "a,b,c": the names as --help and the errors list them.
std::string JoinedNames(std::span<const std::string_view> names);

}  // namespace tavrin::cast
