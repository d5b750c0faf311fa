#include "reading/lunar_entry.h"

#include <cstdio>

namespace tavrin {
namespace {

constexpr std::string_view kLunarDateKey = "lunarDate";
constexpr std::string_view kLeapWord = " leap";

}  // namespace

std::string LunarEntryText(const calendar::LunarDate& date) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
  return std::string(text) + (date.leap ? std::string(kLeapWord) : "");
}

void SetLunarEntry(Reading& reading, const calendar::LunarDate& date) {
  reading.SetChoice(kLunarDateKey, LunarEntryText(date));
}

std::optional<calendar::LunarDate> LunarEntryOf(const Reading& reading, int year, int month, int day) {
  const std::optional<std::string_view> value = reading.Choice(kLunarDateKey);
  if (!value) return std::nullopt;
  const std::optional<calendar::LunarDate> civil = calendar::LunarDateOf(year, month, day);
  if (!civil || LunarEntryText(*civil) != *value) return std::nullopt;
  return civil;
}

}  // namespace tavrin
