#pragma once

#include <string>
#include <string_view>

namespace tavrin {

// Page keys of the maker's page script; each key selects one page.
inline constexpr const char* kHelpPage = "help-web-page";
inline constexpr const char* kHomePage = "home-page";
inline constexpr const char* kDownloadPage = "download-web-page";
inline constexpr const char* kDonatePage = "donate";
inline constexpr const char* kFullyBrandedPage = "fully-branded";
inline constexpr const char* kCobrandPage = "co-brand";

// The address of a page: the maker's site, the page script, then the key.
std::string PageAddress(std::string_view pageKey);

}  // namespace tavrin
