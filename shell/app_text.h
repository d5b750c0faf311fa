#pragma once

#include "build_settings.h"

// Texts the whole program shares.
namespace tavrin {
inline constexpr const char* kApplicationTitle = "Tavrin";
}  // namespace tavrin
