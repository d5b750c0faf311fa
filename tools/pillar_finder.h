#pragma once

#include <ostream>

#include "tools/command_line.h"
#include "tools/exit_status.h"

namespace tavrin::cast {

// --find-pillars: the spans of clock time whose precise chart has the given
// pillars, as text lines or one JSON object {"from", "to"} a line.
ExitStatus FindPillars(const CommandLine& line, std::ostream& out, std::ostream& err);

}  // namespace tavrin::cast
