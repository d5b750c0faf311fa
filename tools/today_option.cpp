#include "tools/today_option.h"

#include <chrono>

#include "tools/birth_fields.h"
#include "tools/field_checks.h"

namespace tavrin::cast {

std::variant<analysis::Today, std::string> ResolveToday(std::optional<std::string_view> text) {
  if (!text) {
    const std::chrono::year_month_day date{std::chrono::floor<std::chrono::days>(std::chrono::system_clock::now())};
    return analysis::TodayOn(static_cast<int>(date.year()), static_cast<int>(static_cast<unsigned>(date.month())),
                             static_cast<int>(static_cast<unsigned>(date.day())));
  }
  const auto parsed = ParseDate(*text);
  if (const auto* reason = std::get_if<std::string>(&parsed))
    return DescribeFieldError({"today", std::string(*text), *reason}, "--");
  const auto [year, month, day] = std::get<CalendarDate>(parsed);
  return analysis::TodayOn(year, month, day);
}

}  // namespace tavrin::cast
