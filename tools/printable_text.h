#pragma once

#include <string>
#include <string_view>

namespace tavrin::cast {

// Appends `text` with every control character (below 0x20, 0x7F, and U+0080
// to U+009F, which some terminals take as escapes) and every byte that is not
// well-formed UTF-8 shown as "?", so that nothing a user typed or a file held
// can act on the terminal.
void AppendPrintable(std::string& out, std::string_view text);

}  // namespace tavrin::cast
