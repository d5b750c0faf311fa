#pragma once

#include <istream>
#include <ostream>
#include <span>
#include <string>

#include "tools/exit_status.h"

namespace tavrin::cast {

// The whole caster, given the arguments after the program name: one chart or
// a batch, as text, JSON or CSV. A batch named "-" is read from `in`. Bad input
// leaves `out` untouched and is reported on `err`.
ExitStatus RunCaster(std::span<const std::string> args, std::istream& in, std::ostream& out, std::ostream& err);

}  // namespace tavrin::cast
