#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrin::cast {

// The syntax checks that birth options, batch rows and reading files share.

inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;

// One to `maxDigits` decimal digits and nothing else.
std::optional<int> ParseDigits(std::string_view text, std::size_t maxDigits);

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF. JSON output relies on it.
bool IsUtf8(std::string_view text);

// Why `day` is not a day of the month (1 to 12) of `year` in the engine's
// reckoning, or nothing when it is: "no such day (April 2023 has 30 days)".
std::optional<std::string> NoSuchDay(int year, int month, int day);

}  // namespace tavrin::cast
