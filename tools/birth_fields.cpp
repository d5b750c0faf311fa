#include "tools/birth_fields.h"

#include <charconv>
#include <cstdint>

#include "engine/birth_moment.h"
#include "engine/vocabulary.h"

namespace tavrin::cast {
namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
constexpr double kWidestZoneHours = 14;
constexpr double kWidestLongitude = 180;

std::string_view TrimSpaces(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::optional<FieldError> Fail(std::string_view field, std::string_view value, std::string reason) {
  return FieldError{field, std::string(value), std::move(reason)};
}

// One to `maxDigits` decimal digits and nothing else.
std::optional<int> ParseDigits(std::string_view text, std::size_t maxDigits) {
  if (text.empty() || text.size() > maxDigits) return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value;
}

// One optional sign, digits with at most one ".", at least one digit; no
// exponent, so nothing like "1e3", "inf" or "nan" gets through.
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

bool IsLeapYear(int year) {
  if (year <= kLastJulianCalendarYear) return year % 4 == 0;
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
  static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF. JSON output relies on it.
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

std::optional<FieldError> FillName(std::string_view text, BirthDetails& birth) {
  const std::string_view name = TrimSpaces(text);
  if (name.empty()) return Fail("name", text, "must not be empty");
  if (!IsUtf8(name)) return Fail("name", text, "is not valid UTF-8 text");
  birth.Name.assign(name);
  return std::nullopt;
}

std::optional<FieldError> FillDate(std::string_view text, BirthDetails& birth) {
  const std::size_t firstDash = text.find('-');
  const std::size_t secondDash = firstDash == std::string_view::npos ? firstDash : text.find('-', firstDash + 1);
  std::optional<int> year, month, day;
  if (secondDash != std::string_view::npos) {
    year = ParseDigits(text.substr(0, firstDash), 9);
    month = ParseDigits(text.substr(firstDash + 1, secondDash - firstDash - 1), 2);
    day = ParseDigits(text.substr(secondDash + 1), 2);
  }
  if (!year || !month || !day) return Fail("date", text, "expected a date as YYYY-MM-DD");
  if (*year < kFirstYear || *year > kLastYear)
    return Fail("date", text, "year " + std::to_string(*year) + " is out of range (1 to 9999)");
  if (*month < 1 || *month > 12)
    return Fail("date", text, "month " + std::to_string(*month) + " is out of range (1 to 12)");
  const int days = DaysInMonth(*year, *month);
  if (*day < 1 || *day > days)
    return Fail("date", text,
                "no such day (" + std::string(MonthNames[*month - 1]) + " " + std::to_string(*year) + " has " +
                    std::to_string(days) + " days)");
  birth.BirthYear = static_cast<std::int16_t>(*year);
  birth.BirthMonth = static_cast<std::int16_t>(*month);
  birth.MonthName.assign(MonthNames[*month - 1]);
  birth.BirthDay = static_cast<std::int16_t>(*day);
  return std::nullopt;
}

std::optional<FieldError> FillTime(std::string_view text, BirthDetails& birth) {
  const std::size_t firstColon = text.find(':');
  const std::size_t secondColon = firstColon == std::string_view::npos ? firstColon : text.find(':', firstColon + 1);
  std::optional<int> hour, minute, second = 0;
  if (firstColon != std::string_view::npos) {
    hour = ParseDigits(text.substr(0, firstColon), 2);
    minute = ParseDigits(text.substr(firstColon + 1, secondColon - firstColon - 1), 2);
    if (secondColon != std::string_view::npos) second = ParseDigits(text.substr(secondColon + 1), 2);
  }
  if (!hour || !minute || !second) return Fail("time", text, "expected a time as HH:MM or HH:MM:SS (24-hour clock)");
  if (*hour > 23) return Fail("time", text, "hour " + std::to_string(*hour) + " is out of range (0 to 23)");
  if (*minute > 59) return Fail("time", text, "minute " + std::to_string(*minute) + " is out of range (0 to 59)");
  if (*second > 59) return Fail("time", text, "second " + std::to_string(*second) + " is out of range (0 to 59)");
  birth.BirthHour = static_cast<std::int16_t>(*hour);
  birth.BirthMinute = static_cast<std::int16_t>(*minute);
  birth.BirthSecond = static_cast<std::int16_t>(*second);
  return std::nullopt;
}

// The zone as the entry form writes it: shortest decimal text with "." as the
// point and no exponent (the engine reads no exponent). The buffer holds even
// the smallest double written out in full.
void WriteZoneOffset(double hours, std::string& out) {
  char buffer[512];
  out.assign(buffer, std::to_chars(buffer, buffer + sizeof buffer, hours, std::chars_format::fixed).ptr);
}

std::optional<FieldError> FillZone(std::string_view text, BirthDetails& birth, double& hours) {
  const auto value = ParseDecimal(text);
  if (!value) return Fail("zone", text, "expected hours east of Greenwich as a decimal number (e.g. 8, -5 or 5.5)");
  if (*value < -kWidestZoneHours || *value > kWidestZoneHours)
    return Fail("zone", text, "out of range (-14 to 14 hours east of Greenwich)");
  WriteZoneOffset(*value, birth.ZoneOffset);
  hours = *value;
  return std::nullopt;
}

std::optional<FieldError> FillLongitude(std::string_view text, BirthDetails& birth) {
  const auto value = ParseDecimal(text);
  if (!value) return Fail("longitude", text, "expected degrees east as a decimal number (e.g. 116 or -74.5)");
  if (*value < -kWidestLongitude || *value > kWidestLongitude)
    return Fail("longitude", text, "out of range (-180 to 180 degrees east)");
  birth.Longitude = *value;
  return std::nullopt;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerWord) {
  if (text.size() != lowerWord.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (c != lowerWord[i]) return false;
  }
  return true;
}

std::optional<FieldError> FillGender(std::string_view text, BirthDetails& birth) {
  if (EqualsIgnoringCase(text, "male")) {
    birth.GenderText.assign("Male");
    birth.GenderSign = 1;
  } else if (EqualsIgnoringCase(text, "female")) {
    birth.GenderText.assign("Female");
    birth.GenderSign = -1;
  } else {
    return Fail("gender", text, "expected male or female");
  }
  return std::nullopt;
}

}  // namespace

std::optional<FieldError> FillBirthDetails(const BirthFields& fields, BirthDetails& birth) {
  if (auto error = FillName(fields.name, birth)) return error;
  if (auto error = FillDate(TrimSpaces(fields.date), birth)) return error;
  if (auto error = FillTime(TrimSpaces(fields.time), birth)) return error;
  double zoneHours = 0;
  if (auto error = FillZone(TrimSpaces(fields.zone), birth, zoneHours)) return error;
  if (fields.longitude) {
    if (auto error = FillLongitude(TrimSpaces(*fields.longitude), birth)) return error;
  } else {
    birth.Longitude = 15 * zoneHours;
  }
  return FillGender(TrimSpaces(fields.gender), birth);
}

std::string DescribeFieldError(const FieldError& error, std::string_view fieldPrefix) {
  std::string text(fieldPrefix);
  text += error.field;
  text += ' ';
  // A value that is empty or has spaces at its ends shows in quotes, so the spaces can be seen.
  const bool quote = error.value.empty() || error.value.front() == ' ' || error.value.back() == ' ';
  if (quote) text += '"';
  text += error.value;
  if (quote) text += '"';
  text += ": ";
  text += error.reason;
  return text;
}

}  // namespace tavrin::cast
