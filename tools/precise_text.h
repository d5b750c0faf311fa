#pragma once

#include <string>
#include <vector>

#include "engine/chart.h"

namespace tavrin::cast {

// What the precise method adds to the text of a chart, one line each (the
// caller wraps them): the birth instant, the solar time and day rule when
// chosen, the two Jie, the luck start and each warning.
std::vector<std::string> PreciseLines(const Chart& chart);

}  // namespace tavrin::cast
