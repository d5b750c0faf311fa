#include "reading/name_choice.h"

#include "text/text_codec.h"

namespace tavrin {
namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
// How much of a bad name line a message repeats.
constexpr std::size_t kShownValue = 40;

void AppendEscape(std::string& out, unsigned unit) {
  out += "\\u";
  for (int shift = 12; shift >= 0; shift -= 4) out += kHexDigits[(unit >> shift) & 0xF];
}

std::optional<unsigned> HexDigit(char c) {
  if (c >= '0' && c <= '9') return static_cast<unsigned>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<unsigned>(c - 'A' + 10);
  if (c >= 'a' && c <= 'f') return static_cast<unsigned>(c - 'a' + 10);
  return std::nullopt;
}

// The UTF-16 unit of the escape at `at` ("\uXXXX"), if it is one.
std::optional<unsigned> EscapeAt(std::string_view text, std::size_t at) {
  if (at + 6 > text.size() || text[at] != '\\' || text[at + 1] != 'u') return std::nullopt;
  unsigned unit = 0;
  for (std::size_t k = at + 2; k < at + 6; ++k) {
    const auto digit = HexDigit(text[k]);
    if (!digit) return std::nullopt;
    unit = unit << 4 | *digit;
  }
  return unit;
}

bool IsHighSurrogate(unsigned unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(unsigned unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

std::string Quoted(std::string_view text, std::size_t at, std::size_t length) {
  return "\"" + std::string(text.substr(at, length)) + "\"";
}

}  // namespace

std::optional<std::string> NameChoiceFor(std::string_view utf8Name) {
  if (FromAnsi(ToAnsi(utf8Name)) == utf8Name) return std::nullopt;
  std::string out;
  for (std::size_t i = 0; i < utf8Name.size();) {
    const char32_t point = NextCodePoint(utf8Name, i);
    if (point >= 0x20 && point <= 0x7E && point != '\\') {
      out += static_cast<char>(point);
    } else if (point > 0xFFFF) {
      const char32_t above = point - 0x10000;
      AppendEscape(out, 0xD800 + (above >> 10));
      AppendEscape(out, 0xDC00 + (above & 0x3FF));
    } else {
      AppendEscape(out, point);
    }
  }
  return out;
}

std::optional<std::string> DecodeNameChoice(std::string_view value, std::string& utf8Name) {
  std::string out;
  char bytes[4];
  for (std::size_t i = 0; i < value.size();) {
    if (value[i] != '\\') {
      out += value[i++];
      continue;
    }
    const auto unit = EscapeAt(value, i);
    if (!unit) return Quoted(value, i, 6) + " is not \\u and four hexadecimal digits";
    char32_t point = *unit;
    if (IsLowSurrogate(*unit)) return Quoted(value, i, 6) + " is the second half of a pair with no first";
    if (IsHighSurrogate(*unit)) {
      const auto low = EscapeAt(value, i + 6);
      if (!low || !IsLowSurrogate(*low)) return Quoted(value, i, 6) + " is the first half of a pair with no second";
      point = 0x10000 + ((*unit - 0xD800) << 10) + (*low - 0xDC00);
      i += 6;
    }
    i += 6;
    out.append(bytes, WriteUtf8(point, bytes));
  }
  utf8Name = std::move(out);
  return std::nullopt;
}

std::optional<std::string> NameChoiceProblem(const Reading& reading) {
  const auto value = reading.Choice(kNameKey);
  if (!value) return std::nullopt;
  std::string ignored;
  const auto problem = DecodeNameChoice(*value, ignored);
  if (!problem) return std::nullopt;
  std::string shown(*value);
  if (shown.size() > kShownValue) {
    std::size_t cut = kShownValue;
    while (cut > 0 && (static_cast<unsigned char>(shown[cut]) & 0xC0) == 0x80) --cut;  // inside a character
    shown = shown.substr(0, cut) + "...";
  }
  return std::string(kNameKey) + "=" + shown + ": " + *problem;
}

}  // namespace tavrin
