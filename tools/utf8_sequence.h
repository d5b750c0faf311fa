#pragma once

#include <cstddef>
#include <string_view>

namespace tavrin::cast {

// The length (1 to 4) of the well-formed UTF-8 sequence that starts at
// `text[at]`, or 0 when none does: a stray continuation byte, an overlong
// form, a surrogate, a value above U+10FFFF or a sequence cut short.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

// Well-formed UTF-8 throughout.
bool IsUtf8(std::string_view text);

}  // namespace tavrin::cast
