#pragma once

#include <cstdint>
#include <string>

namespace tavrin {

// The person's inputs as the entry form (or the caster) hands them to the
// engine. ZoneOffset is decimal text with "." as the point, hours east of
// Greenwich; Longitude is degrees east.
struct BirthDetails {
  std::string Name;
  std::int16_t BirthYear = 0;
  std::string MonthName;
  std::int16_t BirthMonth = 0;
  std::int16_t BirthDay = 0;
  std::int16_t BirthHour = 0;
  std::int16_t BirthMinute = 0;
  std::int16_t BirthSecond = 0;
  std::string ZoneOffset;
  double Longitude = 0;
  std::string GenderText;
  std::int16_t GenderSign = 0;
};

}  // namespace tavrin
