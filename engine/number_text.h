#pragma once

#include <string>
#include <string_view>

namespace tavrin {

// A number of at most two decimals in the general number format: no trailing
// zeros, no thousands separator, the given decimal separator (8.46, 8.5, 10).
// Writes into `out` so a caller that reuses the string allocates nothing.
void AppendGeneralNumber(std::string& out, double value, std::string_view decimalSeparator);
std::string GeneralNumber(double value, std::string_view decimalSeparator = ".");

// Shortest text that reads back as the same double (for machine output).
std::string ShortestNumber(double value);

}  // namespace tavrin
