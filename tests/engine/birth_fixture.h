#pragma once

#include "engine/birth_details.h"
#include "engine/chart.h"
#include "engine/chart_texts.h"

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

inline Chart Cast(const BirthDetails& birth, const CastOptions& options = {}) {
  Chart chart;
  EXPECT_EQ(ComputeChart(birth, options, chart), CastError::none);
  return chart;
}

// The text of a chart's interpretation box, 0 (year) to 3 (hour).
inline const std::string& Box(const Chart& chart, int block) {
  return InterpretationOf(chart.pillars[block], static_cast<PillarBlock>(block));
}

}  // namespace tavrin::testing
