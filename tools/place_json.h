#pragma once

#include "tools/birth_place.h"
#include "tools/json_writer.h"

namespace tavrin::cast {

// The values of a chart's members "place" (the place chosen) and "timeZone"
// (the zone given by name, with its offset at the birth).
void WritePlaceJson(JsonWriter& json, const place::Place& place);
void WriteTimeZoneJson(JsonWriter& json, const BirthZone& zone);

}  // namespace tavrin::cast
