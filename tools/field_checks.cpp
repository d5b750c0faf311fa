#include "tools/field_checks.h"

#include "engine/birth_moment.h"
#include "engine/vocabulary.h"

namespace tavrin::cast {

std::optional<int> ParseDigits(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<std::string> NoSuchDay(int year, int month, int day) {
  const int days = DaysInMonth(year, month);
  if (day >= 1 && day <= days) return std::nullopt;
  return "no such day (" + std::string(MonthNames[month - 1]) + " " + std::to_string(year) + " has " +
         std::to_string(days) + " days)";
}

std::optional<CalendarDate> ParseDateNumbers(std::string_view text) {
  const std::size_t firstDash = text.find('-');
  const std::size_t secondDash = firstDash == std::string_view::npos ? firstDash : text.find('-', firstDash + 1);
  std::optional<int> year, month, day;
  if (secondDash != std::string_view::npos) {
    year = ParseDigits(text.substr(0, firstDash), 9);
    month = ParseDigits(text.substr(firstDash + 1, secondDash - firstDash - 1), 2);
    day = ParseDigits(text.substr(secondDash + 1), 2);
  }
  if (!year || !month || !day) return std::nullopt;
  return CalendarDate{*year, *month, *day};
}

std::variant<CalendarDate, std::string> ParseDate(std::string_view text) {
  const std::optional<CalendarDate> date = ParseDateNumbers(text);
  if (!date) return "expected a date as YYYY-MM-DD";
  const auto [year, month, day] = *date;
  if (year < kFirstYear || year > kLastYear) return "year " + std::to_string(year) + " is out of range (1 to 9999)";
  if (month < 1 || month > 12) return "month " + std::to_string(month) + " is out of range (1 to 12)";
  if (auto problem = NoSuchDay(year, month, day)) return std::move(*problem);
  return *date;
}

}  // namespace tavrin::cast
