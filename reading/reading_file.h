#pragma once

#include <cstddef>
#include <istream>
#include <string>

#include "reading/reading.h"

namespace tavrin {

// Limits of the reader, so that a huge or binary file can neither exhaust
// memory nor keep the program waiting: a line keeps at most this many bytes,
// and the reader takes no more than kReadingByteBudget bytes from a stream.
inline constexpr std::size_t kReadingLineLimit = 64 * 1024;
inline constexpr std::size_t kReadingLinesRead = kReadingLineCount + kReadingChoiceLimit;
inline constexpr std::size_t kReadingByteBudget = kReadingLinesRead * (kReadingLineLimit + 2);

// The bytes of a reading file: each present line in the system's single-byte
// code page (Windows-1252), encoded by EncodeText and ended by CR LF, then
// each choice as a "key=value" line.
std::string ComposeReading(const Reading& reading);

// Reads the first ten lines of a reading file and decodes them back to UTF-8,
// then up to kReadingChoiceLimit more lines as choices, in file order and
// repeats kept; of those, a line without "=" or with nothing before it, or one
// cut at the line limit, is skipped. A name line that decodes gives the name in place of the first line. A line ends at CR LF, a
// lone LF or a lone CR; a last line without a break counts too. Bytes of a line past kReadingLineLimit are skipped, and reading
// stops for good once kReadingByteBudget bytes have been taken from the stream.
Reading ReadReading(std::istream& in);

}  // namespace tavrin
