#pragma once

#include <bitset>
#include <span>
#include <string>
#include <string_view>
#include <variant>

namespace tavrin::cast {

// Which of an output's named keys (JSON members or CSV columns) are written;
// all of them unless --fields narrowed the list. They are always written in
// the output's own order.
class FieldSelection {
 public:
  static constexpr std::size_t kMostNames = 128;

  FieldSelection() { chosen_.set(); }

  // Reads a comma-separated list of `names`; an unknown or empty name is an error.
  static std::variant<FieldSelection, std::string> Parse(std::string_view list,
                                                          std::span<const std::string_view> names);

  bool Has(std::size_t index) const { return chosen_[index]; }

 private:
  std::bitset<kMostNames> chosen_;
};

// "a,b,c": the names as --help and the errors list them.
std::string JoinedNames(std::span<const std::string_view> names);

}  // namespace tavrin::cast
