#include "engine/number_text.h"

#include <charconv>
#include <cmath>

namespace tavrin {

void AppendGeneralNumber(std::string& out, double value, std::string_view decimalSeparator) {
  // Values here carry at most two decimals (plus binary noise far below the
  // fifteenth significant digit), so rounding to hundredths is the general format.
  long long hundredths = std::llround(value * 100);
  if (hundredths < 0) {
    out += '-';
    hundredths = -hundredths;
  }
  char digits[24];
  const auto end = std::to_chars(digits, digits + sizeof digits, hundredths / 100).ptr;
  out.append(digits, end);
  const int fraction = static_cast<int>(hundredths % 100);
  if (fraction == 0) return;
  out += decimalSeparator;
  out += static_cast<char>('0' + fraction / 10);
  if (fraction % 10 != 0) out += static_cast<char>('0' + fraction % 10);
}

std::string GeneralNumber(double value, std::string_view decimalSeparator) {
  std::string text;
  AppendGeneralNumber(text, value, decimalSeparator);
  return text;
}

std::string ShortestNumber(double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
  return std::string(buffer, end);
}

}  // namespace tavrin
