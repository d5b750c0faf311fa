#pragma once

#include "engine/chart.h"
#include "tools/json_writer.h"

namespace tavrin::cast {

// The values of a precise chart's members "jie" (the Jie before and after the
// birth, each with its name, longitude and instant) and "luckStart".
void WriteJieJson(JsonWriter& json, const PreciseChart& precise);
void WriteLuckStartJson(JsonWriter& json, const LuckStart& start);

}  // namespace tavrin::cast
