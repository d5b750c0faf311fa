#pragma once

#include <cstddef>
#include <cstring>
#include <string_view>

namespace tavrin::cast {

// Copies `text` to `out`, which has room for it, and returns the end. The
// short texts most output is made of are copied in two overlapping words.
inline char* CopyShort(std::string_view text, char* out) {
  const char* in = text.data();
  const std::size_t n = text.size();
  if (n >= 8 && n <= 16) {
    std::memcpy(out, in, 8);
    std::memcpy(out + n - 8, in + n - 8, 8);
  } else if (n >= 4 && n < 8) {
    std::memcpy(out, in, 4);
    std::memcpy(out + n - 4, in + n - 4, 4);
  } else if (n > 0) {  // an empty text may have no storage at all
    std::memcpy(out, in, n);
  }
  return out + n;
}

}  // namespace tavrin::cast
