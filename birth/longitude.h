#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// A birth-place longitude lies from 180 degrees west to 180 degrees east.
inline constexpr double kWidestLongitude = 180;

// Degrees east when `degrees` is a longitude, else nothing; -0 is plain zero.
std::optional<double> LongitudeInRange(std::optional<double> degrees);

// A longitude as the user types it, in degrees east: a decimal number ("." or
// "," as the point), optionally followed by a degree sign and then E or W
// (either case); without a letter a negative number is west. Surrounding
// spaces are allowed.
std::optional<double> ParseLongitude(std::string_view text);

// Degrees east as the user types them: the plain decimal of the degrees, then
// E or W ("116 E", "74.5 W"); ParseLongitude reads it back exactly.
std::string LongitudeFieldText(double degreesEast);

}  // namespace tavrin
