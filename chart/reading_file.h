#pragma once

#include <array>
#include <cstddef>
#include <istream>
#include <optional>
#include <string>

#include "engine/birth_details.h"

namespace tavrin {

// A reading file (.baz) holds the birth details of a chart, one encoded field
// per line, each line ended by CR LF: name, year, month name, day, hour,
// minute, second, zone offset, gender text. A longitude the user entered
// follows as a tenth line; without one the file has the usual nine.
inline constexpr std::size_t kReadingFieldLines = 9;
inline constexpr std::size_t kReadingSlotCount = 10;

// Limits of the reader, so that a huge or binary file can neither exhaust
// memory nor keep the window waiting: a line keeps at most this many bytes,
// and the reader takes no more than kReadingByteBudget bytes from a stream.
inline constexpr std::size_t kReadingLineLimit = 64 * 1024;
inline constexpr std::size_t kReadingByteBudget = kReadingSlotCount * (kReadingLineLimit + 2);

// The bytes of a reading file (Windows-1252, encoded by EncodeText).
// `enteredLongitude` is the longitude the user typed, degrees east, if any.
std::string ComposeReading(const BirthDetails& details, std::optional<double> enteredLongitude);

// The lines of a reading file, decoded back to UTF-8. Slot 0 is the name,
// slot 9 the longitude; a slot whose line is missing stays empty.
struct ReadingSlots {
  std::array<std::string, kReadingSlotCount> text;
  std::size_t linesRead = 0;
};

// Reads the first ten lines of a reading file. A line ends at CR LF, a lone
// LF or a lone CR; a last line without a break counts too. Bytes of a line
// past kReadingLineLimit are skipped, and reading stops for good once
// kReadingByteBudget bytes have been taken from the stream.
ReadingSlots ReadReading(std::istream& in);

}  // namespace tavrin
