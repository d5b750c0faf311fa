#pragma once

#include <string>
#include <string_view>

namespace tavrin::cast {

// Appends `text` with every control character (below 0x20, and 0x7F) shown
// as "?", so that nothing a user typed or a file held can act on the terminal.
void AppendPrintable(std::string& out, std::string_view text);

}  // namespace tavrin::cast
