#include "engine/birth.h"

#include <cmath>

#include "engine/number_text.h"

namespace tavrin {

std::optional<Birth> BirthOf(const BirthDetails& details) {
  const auto hours = ParseDecimal(TrimSpaces(details.ZoneOffset));
  // Far beyond any real offset, but held in whole seconds.
  constexpr double kMostHours = 100000;
  if (!hours || !(std::abs(*hours) < kMostHours)) return std::nullopt;
  Birth birth;
  birth.year = details.BirthYear;
  birth.month = details.BirthMonth;
  birth.day = details.BirthDay;
  birth.hour = details.BirthHour;
  birth.minute = details.BirthMinute;
  birth.second = details.BirthSecond;
  birth.zoneSecondsEast = SecondsOfOffset(*hours);
  birth.longitude = details.Longitude;
  birth.genderSign = details.GenderSign;
  return birth;
}

}  // namespace tavrin
