#pragma once

#include <optional>
#include <string>

#include "birth/entered_birth.h"

namespace tavrin::cast {

// Where a birth was, beyond its zone offset and longitude: the place chosen,
// if any, and the named zone, if one was used.
struct BirthWhere {
  const place::Place* place = nullptr;
  std::optional<BirthZone> zone;
};

inline BirthWhere WhereOf(const EnteredBirth& birth) { return {birth.place, birth.zone}; }

}  // namespace tavrin::cast
