#pragma once

#include <string_view>

namespace tavrin {

// Hands the address of a page of the maker's site (see page_address.h) to
// the user's browser and returns at once. A page that cannot be opened is
// ignored: the program carries on without a message.
void OpenWebPage(std::string_view pageKey);

}  // namespace tavrin
