#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/birth_details.h"
#include "engine/vocabulary.h"

namespace tavrin::bench {

// Births spread over two centuries, every month, hour and gender, and zones
// on both sides of Greenwich, so that no chart repeats in a short run and the
// compiler cannot fold anything away. The same index gives the same birth.
struct VariedBirth {
  int year, month, day, hour, minute;
  const char* zone;
  double longitude;
  bool male;
};

inline VariedBirth MakeVariedBirth(unsigned index) {
  static constexpr std::array<const char*, 7> kZones = {"8", "-5", "5.5", "0", "-3.5", "9", "1"};
  static constexpr std::array<double, 7> kLongitudes = {116.4, -74.0, 77.2, -0.1, -47.9, 139.7, 13.4};
  const unsigned zone = index % 7;
  return {1900 + static_cast<int>(index * 37 % 200), 1 + static_cast<int>(index % 12),
          1 + static_cast<int>(index * 13 % 28), static_cast<int>(index * 7 % 24), static_cast<int>(index * 11 % 60),
          kZones[zone], kLongitudes[zone], index % 2 == 0};
}

inline BirthDetails ToBirthDetails(const VariedBirth& birth) {
  BirthDetails details;
  details.Name = "Person " + std::to_string(birth.year);
  details.BirthYear = static_cast<std::int16_t>(birth.year);
  details.BirthMonth = static_cast<std::int16_t>(birth.month);
  details.MonthName = std::string(MonthNames[birth.month - 1]);
  details.BirthDay = static_cast<std::int16_t>(birth.day);
  details.BirthHour = static_cast<std::int16_t>(birth.hour);
  details.BirthMinute = static_cast<std::int16_t>(birth.minute);
  details.ZoneOffset = birth.zone;
  details.Longitude = birth.longitude;
  details.GenderText = birth.male ? "Male" : "Female";
  details.GenderSign = birth.male ? 1 : -1;
  return details;
}

// name,date,time,zone,gender,longitude; every third name quoted with a comma.
inline std::string ToCsvRow(const VariedBirth& birth, unsigned index) {
  char row[160];
  const char* quote = index % 3 == 0 ? "\"" : "";
  std::snprintf(row, sizeof row, "%sPerson%s %u%s,%04d-%02d-%02d,%02d:%02d,%s,%s,%g\n", quote,
                index % 3 == 0 ? "," : "", index, quote, birth.year, birth.month, birth.day, birth.hour, birth.minute,
                birth.zone, birth.male ? "male" : "female", birth.longitude);
  return row;
}

}  // namespace tavrin::bench
