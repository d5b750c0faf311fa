#pragma once

// Texts the whole program shares.
namespace tavrin {
inline constexpr const char* kApplicationTitle = "Tavrin";
inline constexpr const char* kWindowCaption = "Tavrin v1.55";
}  // namespace tavrin
