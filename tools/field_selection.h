#pragma once

#include <array>
#include <bitset>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "tools/chart_fields.h"

namespace tavrin::cast {

// Which fields of ChartFields() an output writes: those written by default
// unless --fields named others. They are always written in the table's order.
class FieldSelection {
 public:
  static constexpr std::size_t kMostFields = 128;

  FieldSelection();

  // Reads a comma-separated list of the names of `format`'s fields, where
  // "all" stands for every one; an unknown or empty name is an error.
  static std::variant<FieldSelection, std::string> Parse(std::string_view list, FieldFormat format);

  bool Has(std::size_t field) const { return chosen_[field]; }  // a row of ChartFields()
  // The rows of ChartFields() chosen among `format`'s fields, in the table's order.
  std::span<const std::size_t> Rows(FieldFormat format) const { return rows_[static_cast<int>(format)]; }
  // Whether any field `format` writes comes from `group`: what a cast must work out.
  bool Asks(FieldGroup group, FieldFormat format) const;

 private:
  void ListRows();

  std::bitset<kMostFields> chosen_;
  std::array<std::vector<std::size_t>, 2> rows_;  // by FieldFormat
};

// "a,b,c": the names as --help and the errors list them.
std::string JoinedNames(std::span<const std::string_view> names);

}  // namespace tavrin::cast
