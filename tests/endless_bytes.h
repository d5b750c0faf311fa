#pragma once

#include <cstddef>
#include <streambuf>
#include <string>
#include <string_view>

namespace tavrin::testing {

// A stream that never ends, repeating a pattern, and counts the bytes taken,
// so a reader's limits meet inputs far longer than any file a test writes.
class EndlessBytes : public std::streambuf {
 public:
  explicit EndlessBytes(std::string_view pattern) : block_(pattern) {
    while (block_.size() < 4096) block_ += pattern;
  }
  std::size_t Taken() const { return handedOut_ - static_cast<std::size_t>(egptr() - gptr()); }

 protected:
  int_type underflow() override {
    setg(block_.data(), block_.data(), block_.data() + block_.size());
    handedOut_ += block_.size();
    return traits_type::to_int_type(block_[0]);
  }

 private:
  std::string block_;
  std::size_t handedOut_ = 0;
};

}  // namespace tavrin::testing
