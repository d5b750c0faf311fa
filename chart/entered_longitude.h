#pragma once

#include <optional>

namespace modFengShuiFourPillar {

// The birth-place longitude the user typed on the entry form, degrees east,
// or nothing when the field was left blank (BirthDetails.Longitude then holds
// the zone's meridian). A reading file stores it as its tenth line.
extern std::optional<double> EnteredLongitude;

}  // namespace modFengShuiFourPillar
