#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin::cast {

// One row of a CSV file, split into fields. A field may be quoted ("Smith, Jo",
// with "" standing for one quote); spaces around the quotes are ignored. A row
// is one line: a quoted field cannot span lines. The field storage is kept
// from row to row, so splitting rows of a long file allocates nothing.
class CsvRow {
 public:
  // Splits `line`; on a malformed line returns what is wrong with it.
  std::optional<std::string_view> Split(std::string_view line);

  std::size_t size() const { return count_; }
  std::string_view operator[](std::size_t index) const { return fields_[index]; }

 private:
  std::string& NextField();

  std::vector<std::string> fields_;
  std::size_t count_ = 0;
};

}  // namespace tavrin::cast
