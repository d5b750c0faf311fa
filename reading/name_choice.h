#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "reading/reading.h"

namespace tavrin {

// The first line of a reading keeps the name in the single-byte code page,
// where a character such as 张 becomes "?". A name with such a character is
// kept whole in a choice line after the tenth, in ASCII:
//   name=\u5F20\u4F1F Zhang Wei
// Printable ASCII stands as itself; a backslash and every other character is
// \u and four hexadecimal digits of its UTF-16 code, a character beyond
// U+FFFF as a pair of them (a surrogate pair).
inline constexpr std::string_view kNameKey = "name";

// The value of the name line for `utf8Name`, or nothing when the code page
// carries every character of the name (the first line then gives it back).
std::optional<std::string> NameChoiceFor(std::string_view utf8Name);

// The name a name line holds, as UTF-8, in `utf8Name`; returns what is wrong
// with the line (an escape that is not \u and four hexadecimal digits, half a
// surrogate pair), or nothing when it decodes.
std::optional<std::string> DecodeNameChoice(std::string_view value, std::string& utf8Name);

// What is wrong with the name line of `reading`, if it has one that does not
// decode, in the words "name=VALUE: reason" (a long value cut short).
std::optional<std::string> NameChoiceProblem(const Reading& reading);

}  // namespace tavrin
