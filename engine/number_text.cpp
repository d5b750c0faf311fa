#include "engine/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace tavrin {

char* WriteGeneralNumber(char* out, double value, std::string_view decimalSeparator) {
  // Values here carry at most two decimals (plus binary noise far below the
  // fifteenth significant digit), so rounding to hundredths is the general format.
  long long hundredths = std::llround(value * 100);
  if (hundredths < 0) {
    *out++ = '-';
    hundredths = -hundredths;
  }
  out = std::to_chars(out, out + 20, hundredths / 100).ptr;
  const int fraction = static_cast<int>(hundredths % 100);
  if (fraction == 0) return out;
  out = std::copy(decimalSeparator.begin(), decimalSeparator.end(), out);
  *out++ = static_cast<char>('0' + fraction / 10);
  if (fraction % 10 != 0) *out++ = static_cast<char>('0' + fraction % 10);
  return out;
}

void AppendGeneralNumber(std::string& out, double value, std::string_view decimalSeparator) {
  const std::size_t start = out.size();
  out.resize(start + kLongestGeneralNumber + decimalSeparator.size());
  out.resize(static_cast<std::size_t>(WriteGeneralNumber(out.data() + start, value, decimalSeparator) - out.data()));
}

std::string GeneralNumber(double value, std::string_view decimalSeparator) {
  std::string text;
  AppendGeneralNumber(text, value, decimalSeparator);
  return text;
}

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::optional<double> ParseDecimal(std::string_view text) {
  const bool plus = text.starts_with('+');
  if (plus) text.remove_prefix(1);  // the number reader takes only "-"
  const std::size_t start = !plus && text.starts_with('-') ? 1 : 0;
  std::size_t digits = 0, points = 0;
  for (std::size_t i = start; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') ++digits;
    else if (text[i] == '.') ++points;
    else return std::nullopt;
  }
  if (digits == 0 || points > 1) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value == 0 ? 0.0 : value;
}

std::string DecimalText(double value) {
  if (value == 0) value = 0;  // -0 is written as 0
  char buffer[512];           // holds even the smallest double written out in full
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed).ptr);
}

}  // namespace tavrin
