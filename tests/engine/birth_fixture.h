#pragma once

#include "engine/birth_details.h"
#include "engine/chart.h"

namespace tavrin::testing {

inline BirthDetails Birth(int year, int month, int day, int hour, int minute, const char* zone, double longitude,
                          int genderSign = 1) {
  BirthDetails b;
  b.Name = "Test";
  b.BirthYear = static_cast<std::int16_t>(year);
  b.BirthMonth = static_cast<std::int16_t>(month);
  b.BirthDay = static_cast<std::int16_t>(day);
  b.BirthHour = static_cast<std::int16_t>(hour);
  b.BirthMinute = static_cast<std::int16_t>(minute);
  b.ZoneOffset = zone;
  b.Longitude = longitude;
  b.GenderSign = static_cast<std::int16_t>(genderSign);
  b.GenderText = genderSign > 0 ? "Male" : "Female";
  return b;
}

inline Chart Cast(const BirthDetails& birth) {
  Chart chart;
  EXPECT_EQ(ComputeChart(birth, chart), CastError::none);
  return chart;
}

}  // namespace tavrin::testing
