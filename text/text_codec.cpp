#include "text/text_codec.h"

#include <array>
#include <cstdint>

namespace tavrin {
namespace {

// Unicode code points of Windows-1252 codes 0x80..0x9F.
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

char32_t CodePointOf(unsigned char code) {
  return (code >= 0x80 && code <= 0x9F) ? kHighControls[code - 0x80] : code;
}

int AnsiCodeOf(char32_t point) {
  if (point < 0x80 || (point >= 0xA0 && point <= 0xFF)) return static_cast<int>(point);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == point) return 0x80 + i;
  return '?';
}

void AppendUtf8(std::string& out, char32_t point) {
  char bytes[4];
  out.append(bytes, WriteUtf8(point, bytes));
}

std::string Shift(std::string_view text, int offset) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    const int shifted = static_cast<unsigned char>(c) + offset;
    if (shifted >= 0 && shifted <= 255) out += static_cast<char>(shifted);
  }
  return out;
}

}  // namespace

char* WriteUtf8(char32_t point, char* out) {
  if (point < 0x80) {
    *out++ = static_cast<char>(point);
  } else if (point < 0x800) {
    *out++ = static_cast<char>(0xC0 | (point >> 6));
    *out++ = static_cast<char>(0x80 | (point & 0x3F));
  } else if (point < 0x10000) {
    *out++ = static_cast<char>(0xE0 | (point >> 12));
    *out++ = static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (point & 0x3F));
  } else {
    *out++ = static_cast<char>(0xF0 | (point >> 18));
    *out++ = static_cast<char>(0x80 | ((point >> 12) & 0x3F));
    *out++ = static_cast<char>(0x80 | ((point >> 6) & 0x3F));
    *out++ = static_cast<char>(0x80 | (point & 0x3F));
  }
  return out;
}

std::string EncodeText(std::string_view ansi) { return Shift(ansi, kCodecOffset); }

std::string DecodeText(std::string_view ansi) { return Shift(ansi, -kCodecOffset); }

std::string ToAnsi(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) out += static_cast<char>(AnsiCodeOf(NextCodePoint(utf8, i)));
  return out;
}

std::string FromAnsi(std::string_view ansi) {
  std::string out;
  out.reserve(ansi.size() * 2);
  for (const char c : ansi) AppendUtf8(out, CodePointOf(static_cast<unsigned char>(c)));
  return out;
}

char32_t NextCodePoint(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const unsigned char lead = byte(i);
  int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 0;
  if (length == 0 || i + length > text.size()) {
    ++i;
    return 0xFFFD;
  }
  char32_t point = length == 1 ? lead : lead & (0x7F >> length);
  for (int k = 1; k < length; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) {
      ++i;
      return 0xFFFD;
    }
    point = (point << 6) | (byte(i + k) & 0x3F);
  }
  i += length;
  // Half of a UTF-16 pair, or beyond the last code point, is no character.
  const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
  return surrogate || point > 0x10FFFF ? 0xFFFD : point;
}

}  // namespace tavrin
