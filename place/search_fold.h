#pragma once

#include <string>
#include <string_view>

namespace tavrin::place {

// A name as the place search compares it, folded by ICU: compatibility
// decomposition (NFKD), no combining marks or invisible format characters,
// full case folding. So "Zürich" typed as one character or as u and a
// combining diaeresis, "ZURICH" and "Ｚｕｒｉｃｈ" all give "zurich", "Straße"
// gives "strasse", "ﬁ" gives "fi"; Chinese, Cyrillic and Arabic names keep their
// letters. Runs of spaces become one, and spaces at the ends go. A byte that
// is not UTF-8 becomes U+FFFD.
std::string FoldForSearch(std::string_view text);

// The same, appended to `out`.
void AppendFolded(std::string_view text, std::string& out);

// The version of the ICU that folds ("72.1").
std::string SearchFoldVersion();

}  // namespace tavrin::place
