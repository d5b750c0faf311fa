#pragma once

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>

#include "tools/short_copy.h"

namespace tavrin::cast {

// CSV text built in storage kept between uses, as JsonWriter builds JSON: a
// batch appends some eighty cells a row, each without a call.
class CsvText {
 public:
  void Clear() { size_ = 0; }
  std::string_view Text() const { return {buffer_.data(), size_}; }

  CsvText& operator+=(char c) {
    *Room(1) = c;
    ++size_;
    return *this;
  }
  CsvText& operator+=(std::string_view text) {
    Took(CopyShort(text, Room(text.size())));
    return *this;
  }
  // Room for `count` more bytes at the end; Took then says how far they were written.
  char* Room(std::size_t count) {
    if (buffer_.size() - size_ < count) Grow(count);
    return buffer_.data() + size_;
  }
  void Took(const char* end) { size_ = static_cast<std::size_t>(end - buffer_.data()); }

 private:
  void Grow(std::size_t count) { buffer_.resize(std::max(2 * buffer_.size(), size_ + count)); }

  std::string buffer_;  // its own size is the capacity; size_ bytes are in use
  std::size_t size_ = 0;
};

}  // namespace tavrin::cast
