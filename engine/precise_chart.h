#pragma once

#include "engine/birth.h"
#include "engine/cast_options.h"

namespace tavrin {

struct Chart;
enum class CastError;

// The precise method's birth moment, Sun, pillars and luck start: the birth
// instant in UT is the clock time less the zone offset (seconds included), the
// Sun is ERFA's apparent longitude at that instant in TT, and the year and
// month follow the Jie instants around it; the day and hour follow the local
// time (local mean solar time, plus the equation of time for true solar time).
// The luck start is the time to the next Jie (forward) or since the previous
// one (backward), three days to a year. Fills the chart's numbers, luck
// direction and age, its pillars and its `precise` part (warnings included);
// the luck periods are the caller's.
CastError CastPrecise(const Birth& birth, const CastOptions& options, Chart& out);

}  // namespace tavrin
