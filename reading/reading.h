#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "engine/birth_details.h"

namespace tavrin {

// The lines of a reading file (.baz), in file order. A longitude the user
// typed follows the nine birth details as a tenth line; a reading cast at the
// zone's meridian has nine.
enum class ReadingLine : std::size_t { name, year, month, day, hour, minute, second, zone, gender, longitude };
inline constexpr std::size_t kReadingLineCount = 10;

// What a reading file holds: the text of each of its lines (UTF-8), the first
// `lineCount` of them present. A missing line reads as empty text.
struct Reading {
  std::array<std::string, kReadingLineCount> text;
  std::size_t lineCount = 0;

  const std::string& operator[](ReadingLine line) const { return text[static_cast<std::size_t>(line)]; }
  bool Has(ReadingLine line) const { return static_cast<std::size_t>(line) < lineCount; }
};

// The reading of the birth details as the desktop program and the caster save
// them: whole numbers as plain decimals, the ZoneOffset and GenderText as
// they stand, and the typed longitude, if any, as a tenth line.
Reading ReadingOf(const BirthDetails& birth, std::optional<double> typedLongitude);

}  // namespace tavrin
