#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// Hours east of Greenwich from the zone captions, which hold hours west of
// Greenwich and minutes with the same sign: -(hours + minutes / 60).
double ZoneHoursEast(int hours, int minutes);

// ZoneHoursEast as the shortest decimal text with "." as the point
// ("10.5", "-3.5", "8", "0"; zero never carries a sign).
std::string ZoneOffsetText(int hours, int minutes);

// A birth-place longitude as typed, in degrees east: a decimal number ("." or
// "," as the point), optionally followed by a degree sign and then E or W
// (either case); without a letter a negative number is west. Surrounding
// spaces are allowed. Anything that is not a longitude from 180 W to 180 E
// gives nothing.
std::optional<double> ParseLongitude(std::string_view text);

}  // namespace tavrin
