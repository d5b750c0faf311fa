#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace tavrin::cast {

// The syntax checks that birth options, batch rows and reading files share.

inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;

// One to `maxDigits` decimal digits and nothing else.
std::optional<int> ParseDigits(std::string_view text, std::size_t maxDigits);

// Why `day` is not a day of the month (1 to 12) of `year` in the engine's
// reckoning, or nothing when it is: "no such day (April 2023 has 30 days)".
std::optional<std::string> NoSuchDay(int year, int month, int day);

struct CalendarDate {
  int year;
  int month;
  int day;
};

// The three numbers of YYYY-MM-DD, unchecked, when the text has that shape.
std::optional<CalendarDate> ParseDateNumbers(std::string_view text);

// A date as YYYY-MM-DD, years 1 to 9999 in the engine's reckoning, or why it
// is not one: "month 13 is out of range (1 to 12)".
std::variant<CalendarDate, std::string> ParseDate(std::string_view text);

}  // namespace tavrin::cast
