#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "engine/birth_details.h"

namespace tavrin {

// The lines of a reading file (.baz), in file order. A longitude the user
// typed follows the nine birth details as a tenth line; a reading cast at the
// zone's meridian has nine.
enum class ReadingLine : std::size_t { name, year, month, day, hour, minute, second, zone, gender, longitude };
inline constexpr std::size_t kReadingLineCount = 10;
// Choices beyond the birth details (how the chart is cast, where the birth
// was) follow the tenth line as "key=value" lines; a reader takes at most
// this many of them.
inline constexpr std::size_t kReadingChoiceLimit = 16;

// What a reading file holds: the text of each of its lines (UTF-8), the first
// `lineCount` of them present, and the choices saved after them. A missing
// line reads as empty text. A file saved without choices has none, and a
// file with choices holds all ten lines (the tenth empty when no longitude
// was typed), so a reader of the ten lines alone finds the same birth in them.
struct Reading {
  std::array<std::string, kReadingLineCount> text;
  std::size_t lineCount = 0;
  std::vector<std::pair<std::string, std::string>> choices;  // in file order

  const std::string& operator[](ReadingLine line) const { return text[static_cast<std::size_t>(line)]; }
  bool Has(ReadingLine line) const { return static_cast<std::size_t>(line) < lineCount; }

  // The value of the first choice named `key`, if the file has one.
  std::optional<std::string_view> Choice(std::string_view key) const;
  // Sets `key` to `value`, replacing an earlier value. A key holds no "=" and
  // neither holds a line break.
  void SetChoice(std::string_view key, std::string_view value);
};

// The reading of the birth details as the desktop program and the caster save
// them: whole numbers as plain decimals, the ZoneOffset and GenderText as
// they stand, the typed longitude, if any, as a tenth line, and a name the
// code page cannot carry also as a name line (see name_choice.h).
Reading ReadingOf(const BirthDetails& birth, std::optional<double> typedLongitude);

}  // namespace tavrin
