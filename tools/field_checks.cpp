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

}  // namespace tavrin::cast
