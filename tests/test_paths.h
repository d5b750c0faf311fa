#pragma once

#include <string>

// Where the tests find the source tree and the built programs.
namespace tavrin::testing {
inline std::string SourceDir() { return TAVRIN_SOURCE_DIR; }
inline std::string BinDir() { return TAVRIN_BIN_DIR; }
}  // namespace tavrin::testing
