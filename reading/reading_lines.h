#pragma once

#include <optional>
#include <string_view>

namespace tavrin {

// How a program takes back the lines of a reading. The desktop program and
// the caster read the minute, the zone and the longitude lines alike; the
// gender line is male exactly when IsMaleText says so.

// The minute a line holds: decimal digits only, 0 to 59 ("7" and "07" are 7).
std::optional<int> MinuteFromLine(std::string_view line);

// Hours east of Greenwich, when the line is a zone offset from -14 to 14.
std::optional<double> ZoneFromLine(std::string_view line);

// Degrees east, when the line is a longitude from -180 to 180.
std::optional<double> LongitudeFromLine(std::string_view line);

}  // namespace tavrin
