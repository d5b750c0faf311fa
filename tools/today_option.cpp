#include "tools/today_option.h"

#include <chrono>

#include "tools/field_checks.h"

namespace tavrin::cast {

std::variant<analysis::Today, std::string> ResolveToday(std::optional<std::string_view> text) {
  if (!text) {
    const std::chrono::year_month_day date{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return analysis::TodayOn(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                             static_cast<int>(static_cast<unsigned>(date.day())));
  }
  const std::string prefix = "--today " + std::string(*text) + ": ";
  const std::size_t firstDash = text->find('-');
  const std::size_t secondDash = firstDash == std::string_view::npos ? firstDash : text->find('-', firstDash + 1);
  std::optional<int> year, month, day;
  if (secondDash != std::string_view::npos) {
    year = ParseDigits(text->substr(0, firstDash), 9);
    month = ParseDigits(text->substr(firstDash + 1, secondDash - firstDash - 1), 2);
    day = ParseDigits(text->substr(secondDash + 1), 2);
  }
  if (!year || !month || !day) return prefix + "expected a date as YYYY-MM-DD";
  if (*year < kFirstYear || *year > kLastYear) return prefix + "year " + std::to_string(*year) + " is out of range (1 to 9999)";
  if (*month < 1 || *month > 12) return prefix + "month " + std::to_string(*month) + " is out of range (1 to 12)";
  if (auto problem = NoSuchDay(*year, *month, *day)) return prefix + *problem;
  return analysis::TodayOn(*year, *month, *day);
}

}  // namespace tavrin::cast
