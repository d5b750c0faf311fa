#pragma once

#include <optional>

#include "birth/zone.h"
#include "engine/birth_details.h"

namespace tavrin {

// One birth as the engine casts it: the civil date and clock time, the zone's
// offset in force and the longitude the clock time is corrected to.
struct Birth {
  int year = 0;  // Julian reckoning up to 1585, Gregorian after
  int month = 0;  // 1 to 12
  int day = 0;    // 1 to 31
  int hour = 0;   // 0 to 23
  int minute = 0;
  int second = 0;          // counted by the precise method only
  int zoneSecondsEast = 0;  // the offset of the clocks from Greenwich, east positive
  double longitude = 0;     // degrees east; outside (-181, 181) the clock time is taken as it is
  int genderSign = 0;       // +1 male, -1 female

  double ZoneHoursEast() const { return HoursOfOffset(zoneSecondsEast); }
};

// The birth the record describes, its zone offset text read as hours east
// to the nearest second; nothing when that text is not a number.
std::optional<Birth> BirthOf(const BirthDetails& details);

}  // namespace tavrin
