#pragma once

#include <ostream>
#include <string_view>

namespace tavrin::cast {

// Writes "tavrin-cast: <message>" and a line break to `err`. Every message the
// caster gives on standard error goes through here, with its control
// characters shown as "?" (arguments and files may hold terminal escapes).
void WriteErrorLine(std::ostream& err, std::string_view message);

}  // namespace tavrin::cast
