#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/birth_details.h"

namespace tavrin::cast {

// The checks that birth options, batch rows and reading files share.

inline constexpr int kFirstYear = 1;
inline constexpr int kLastYear = 9999;
inline constexpr double kWidestZoneHours = 14;
inline constexpr double kWidestLongitude = 180;

std::string_view TrimSpaces(std::string_view text);

// One to `maxDigits` decimal digits and nothing else.
std::optional<int> ParseDigits(std::string_view text, std::size_t maxDigits);

// One optional sign, digits with at most one ".", at least one digit; no
// exponent, so nothing like "1e3", "inf" or "nan" gets through.
std::optional<double> ParseDecimal(std::string_view text);

// Well-formed UTF-8: no stray continuation bytes, no overlong forms, no
// surrogates, nothing above U+10FFFF. JSON output relies on it.
bool IsUtf8(std::string_view text);

// Why `day` is not a day of the month (1 to 12) of `year`, or nothing when it
// is; the Julian calendar counts up to 1585. "no such day (April 2023 has 30 days)".
std::optional<std::string> NoSuchDay(int year, int month, int day);

// The zone as the entry form writes it: shortest decimal text with "." as the
// point and no exponent (the engine reads no exponent).
std::string ZoneOffsetText(double hoursEast);

// GenderText and GenderSign as the entry form sets them.
void SetGender(bool male, BirthDetails& birth);

}  // namespace tavrin::cast
