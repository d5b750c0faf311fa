#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// A number of at most two decimals in the general number format: no trailing
// zeros, no thousands separator, the given decimal separator (8.46, 8.5, 10).
// Writes into `out` so a caller that reuses the string allocates nothing.
void AppendGeneralNumber(std::string& out, double value, std::string_view decimalSeparator);
// The same written at `out`, which has room for kLongestGeneralNumber bytes
// and the separator; returns the end of what was written.
inline constexpr std::size_t kLongestGeneralNumber = 24;  // a sign, 19 digits and two decimals
char* WriteGeneralNumber(char* out, double value, std::string_view decimalSeparator);
std::string GeneralNumber(double value, std::string_view decimalSeparator = ".");

// The text without the spaces at its two ends.
std::string_view TrimSpaces(std::string_view text);

// A decimal number as every birth field writes it: one optional sign ("+" or
// "-"), digits with at most one "." among or around them, at least one digit,
// nothing else (no spaces, no exponent, so nothing like "1e3", "inf" or "nan").
// "-0" is plain zero.
std::optional<double> ParseDecimal(std::string_view text);

// The shortest plain decimal that ParseDecimal reads back as the same value:
// fixed notation, never an exponent, "." as the point, no trailing zeros, and
// zero without a sign ("10.5", "-3.5", "8", "0", "0.00001").
std::string DecimalText(double value);

}  // namespace tavrin
