#include "entry/entry_conversions.h"

#include <charconv>
#include <cmath>

#include "engine/number_text.h"

namespace tavrin {

namespace {

constexpr std::string_view kDegreeSign = "\xC2\xB0";  // UTF-8

void TrimSpaces(std::string_view& text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

double ZoneHoursEast(int hours, int minutes) {
  const double east = -(hours + minutes / 60.0);
  return east == 0 ? 0.0 : east;  // no "-0"
}

std::string ZoneOffsetText(int hours, int minutes) { return ShortestNumber(ZoneHoursEast(hours, minutes)); }

std::optional<double> ParseLongitude(std::string_view text) {
  TrimSpaces(text);
  double hemisphere = 1;
  bool lettered = false;
  if (!text.empty()) {
    const char last = text.back();
    if (last == 'E' || last == 'e' || last == 'W' || last == 'w') {
      lettered = true;
      hemisphere = (last == 'W' || last == 'w') ? -1 : 1;
      text.remove_suffix(1);
      TrimSpaces(text);
    }
  }
  if (text.ends_with(kDegreeSign)) {
    text.remove_suffix(kDegreeSign.size());
    TrimSpaces(text);
  }

  // Sign, digits, an optional point and more digits; nothing else.
  std::string number;
  std::size_t i = 0;
  if (!lettered && !text.empty() && text.front() == '-') number += text[i++];
  std::size_t digits = 0;
  for (; i < text.size() && IsDigit(text[i]); ++i, ++digits) number += text[i];
  if (i < text.size() && (text[i] == '.' || text[i] == ',')) {
    number += '.';
    for (++i; i < text.size() && IsDigit(text[i]); ++i, ++digits) number += text[i];
  }
  if (digits == 0 || i != text.size()) return std::nullopt;

  double degrees = 0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), degrees, std::chars_format::fixed);
  if (result.ec != std::errc() || std::abs(degrees) > 180) return std::nullopt;
  degrees *= hemisphere;
  return degrees == 0 ? 0.0 : degrees;
}

}  // namespace tavrin
