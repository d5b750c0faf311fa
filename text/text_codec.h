#pragma once

#include <string>
#include <string_view>

namespace tavrin {

// The codec's offset. FILE-FORMAT CONSTANT: every saved reading and every
// stored setting is written with it and carries no trace of it, so changing
// this value makes all of them unreadable.
inline constexpr int kCodecOffset = 14;

// The program's own text encoding, on single-byte (Windows-1252) text: every
// code is raised by the offset, and a character that would pass 255 is left
// out. Encoded text never holds CR or LF.
std::string EncodeText(std::string_view ansi);
// The inverse: every code is lowered by the offset; codes below it are left out.
std::string DecodeText(std::string_view ansi);

// UTF-8 to Windows-1252 bytes; a character the code page lacks becomes "?".
std::string ToAnsi(std::string_view utf8);
// Windows-1252 bytes to UTF-8. The five codes the code page leaves unassigned
// map to the control characters of the same number, so the round trip is exact.
std::string FromAnsi(std::string_view ansi);

// Writes `point` as UTF-8 (one to four bytes) at `out`; gives the end of what it wrote.
char* WriteUtf8(char32_t point, char* out);

// Reads one UTF-8 sequence at `i`; a malformed one yields a single U+FFFD and
// consumes one byte.
char32_t NextCodePoint(std::string_view text, std::size_t& i);

}  // namespace tavrin
