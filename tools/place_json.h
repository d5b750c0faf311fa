#pragma once

#include "tools/birth_place.h"
#include "tools/json_writer.h"

namespace tavrin::cast {

// The members "place" (when a place was chosen) and "timeZone" (when a zone
// was given by name) of a chart object, each only when `withPlace` and
// `withTimeZone` ask for it.
void WritePlaceJson(JsonWriter& json, const BirthWhere& where, bool withPlace, bool withTimeZone);

}  // namespace tavrin::cast
