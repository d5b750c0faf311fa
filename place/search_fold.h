#pragma once

#include <string>
#include <string_view>

namespace tavrin::place {

// A name as the place search compares it: Latin letters lower-cased and
// stripped of their accents ("Zürich" and "ZURICH" both give "zurich", "Łódź"
// gives "lodz"), Greek and Cyrillic capitals lower-cased, every other
// character (Chinese ones among them) kept as it is. Runs of spaces become
// one, and spaces at the ends go. A byte that is not UTF-8 becomes U+FFFD.
std::string FoldForSearch(std::string_view text);

// The same, appended to `out`.
void AppendFolded(std::string_view text, std::string& out);

}  // namespace tavrin::place
