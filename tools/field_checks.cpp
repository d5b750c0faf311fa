#include "tools/field_checks.h"

#include <charconv>

#include "engine/birth_moment.h"
#include "engine/vocabulary.h"

namespace tavrin::cast {
namespace {

bool IsLeapYear(int year) {
  if (year <= kLastJulianCalendarYear) return year % 4 == 0;
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::optional<int> ParseDigits(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

std::optional<double> ParseDecimal(std::string_view text) {
  const bool plus = text.starts_with('+');
  if (plus) text.remove_prefix(1);  // the number reader takes only "-"
  const std::size_t start = !plus && text.starts_with('-') ? 1 : 0;
  std::size_t digits = 0, points = 0;
  for (std::size_t i = start; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') ++digits;
    else if (text[i] == '.') ++points;
    else return std::nullopt;
  }
  if (digits == 0 || points > 1) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value == 0 ? 0.0 : value;  // "-0" is plain zero
}

bool IsUtf8(std::string_view text) {
  const auto* p = reinterpret_cast<const unsigned char*>(text.data());
  const auto* end = p + text.size();
  while (p < end) {
    const unsigned char c = *p;
    if (c < 0x80) {
      ++p;
      continue;
    }
    int length = 0;
    unsigned char low = 0x80, high = 0xBF;  // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) length = 2;
    else if (c >= 0xE0 && c <= 0xEF) length = 3, low = c == 0xE0 ? 0xA0 : 0x80, high = c == 0xED ? 0x9F : 0xBF;
    else if (c >= 0xF0 && c <= 0xF4) length = 4, low = c == 0xF0 ? 0x90 : 0x80, high = c == 0xF4 ? 0x8F : 0xBF;
    else return false;
    if (end - p < length || p[1] < low || p[1] > high) return false;
    for (int i = 2; i < length; ++i)
      if (p[i] < 0x80 || p[i] > 0xBF) return false;
    p += length;
  }
  return true;
}

std::optional<std::string> NoSuchDay(int year, int month, int day) {
  const int days = DaysInMonth(year, month);
  if (day >= 1 && day <= days) return std::nullopt;
  return "no such day (" + std::string(MonthNames[month - 1]) + " " + std::to_string(year) + " has " +
         std::to_string(days) + " days)";
}

std::string ZoneOffsetText(double hoursEast) {
  if (hoursEast == 0) hoursEast = 0;  // -0 is written as 0
  char buffer[512];  // holds even the smallest double written out in full
  return std::string(buffer, std::to_chars(buffer, buffer + sizeof buffer, hoursEast, std::chars_format::fixed).ptr);
}

void SetGender(bool male, BirthDetails& birth) {
  birth.GenderText.assign(male ? "Male" : "Female");
  birth.GenderSign = male ? 1 : -1;
}

}  // namespace tavrin::cast
