#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// How the entry form takes back the slots of a reading file (ReadReading).
// The name slot goes into the name box as it is, empty or not; the year,
// month name, day, hour and second slots choose the list entry whose text
// equals them. The other slots are read by the functions below.

// The minute a slot holds: decimal digits only, 0 to 59 ("7" and "07" are 7).
std::optional<int> MinuteFromSlot(std::string_view slot);

// Male exactly when the slot is "Male"; anything else means female.
bool IsMaleSlot(std::string_view slot);

// Hours east of Greenwich, when the slot is a zone offset from -14 to 14.
std::optional<double> ZoneFromSlot(std::string_view slot);

// Degrees east, when the slot is a longitude from -180 to 180.
std::optional<double> LongitudeFromSlot(std::string_view slot);

// The entry form's two zone captions: whole hours west of Greenwich and the
// remaining minutes with the same sign, rounded to the nearest minute
// (5.5 east gives "-5" and "-30"). `hoursEast` must be finite.
struct ZoneCaptions {
  std::string hours;
  std::string minutes;
};
ZoneCaptions ZoneCaptionsFor(double hoursEast);

}  // namespace tavrin
