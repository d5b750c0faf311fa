#pragma once

#include <functional>

#include "engine/chart.h"
#include "tools/json_writer.h"

namespace tavrin::cast {

// The precise chart's members: method, solarTime, dayStarts, utc,
// equationOfTimeMinutes (with true solar time only), jie, luckStart and
// warnings. `chosen` is asked once per member, in that order, whether to write it.
void WritePreciseJson(JsonWriter& json, const Chart& chart, const std::function<bool()>& chosen);

}  // namespace tavrin::cast
