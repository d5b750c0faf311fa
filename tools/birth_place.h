#pragma once

#include <optional>
#include <string>

#include "place/place_catalogue.h"
#include "place/zone_history.h"

namespace tavrin::cast {

// The zone a birth was cast in when it was given by name, and the offset it
// kept at the birth.
struct BirthZone {
  std::string name;
  place::ZoneOffsetInForce offset;
};

// Where a birth was, beyond its zone offset and longitude: the place chosen,
// if any, and the named zone, if one was used.
struct BirthWhere {
  const place::Place* place = nullptr;
  std::optional<BirthZone> zone;
};

}  // namespace tavrin::cast
