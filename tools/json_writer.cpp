#include "tools/json_writer.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>

#include "engine/number_text.h"
#include "tools/utf8_sequence.h"

namespace tavrin::cast {
namespace {

// How each ASCII byte is written inside a JSON string: controls, quote and
// backslash escaped (length > 0), everything else as it is.
struct Escape {
  char text[6];
  std::uint8_t length;
};

constexpr std::array<Escape, 256> kEscapes = [] {
  constexpr char kHexDigits[] = "0123456789abcdef";
  std::array<Escape, 256> table{};
  for (int c = 0; c < 0x20; ++c) table[c] = {{'\\', 'u', '0', '0', kHexDigits[c >> 4], kHexDigits[c & 0xF]}, 6};
  table['\b'] = {{'\\', 'b'}, 2};
  table['\f'] = {{'\\', 'f'}, 2};
  table['\n'] = {{'\\', 'n'}, 2};
  table['\r'] = {{'\\', 'r'}, 2};
  table['\t'] = {{'\\', 't'}, 2};
  table['"'] = {{'\\', '"'}, 2};
  table['\\'] = {{'\\', '\\'}, 2};
  return table;
}();
constexpr std::size_t kLongestEscape = 6;

// Sixteen bytes compared at once (GCC and Clang vector types, which become
// single SIMD instructions where the machine has them).
using Bytes16 = unsigned char __attribute__((vector_size(16)));

constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";  // U+FFFD

// The position of the first byte from `from` on that needs escaping or is not
// ASCII, or the text's size. Texts here are long runs of plain letters, so they
// are checked sixteen bytes at a time, the last few padded with letters.
std::size_t FindEscape(std::string_view text, std::size_t from) {
  static_assert(std::endian::native == std::endian::little, "byte 0 of a text must land in the lowest bits of a word");
  for (; from < text.size(); from += 16) {
    Bytes16 bytes;
    if (text.size() - from >= 16) {
      std::memcpy(&bytes, text.data() + from, 16);
    } else {
      std::memset(&bytes, 'a', 16);
      std::memcpy(&bytes, text.data() + from, text.size() - from);
    }
    const auto hits = (bytes < 0x20) | (bytes >= 0x80) | (bytes == '"') | (bytes == '\\');  // 0xFF where one is
    std::uint64_t low, high;
    std::memcpy(&low, &hits, 8);
    std::memcpy(&high, reinterpret_cast<const char*>(&hits) + 8, 8);
    if (low != 0) return from + static_cast<std::size_t>(std::countr_zero(low)) / 8;
    if (high != 0) return from + 8 + static_cast<std::size_t>(std::countr_zero(high)) / 8;
  }
  return text.size();
}

}  // namespace

void JsonWriter::Grow(std::size_t count) { buffer_.resize(std::max(2 * buffer_.size(), size_ + count)); }

void JsonWriter::String(std::string_view text) {
  char* out = Room(text.size() * kLongestEscape + 2);
  *out++ = '"';
  std::size_t run = 0;  // start of the bytes not written yet
  for (std::size_t at; (at = FindEscape(text, run)) < text.size();) {
    out = std::copy(text.data() + run, text.data() + at, out);
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80) {
      const Escape& escape = kEscapes[byte];
      out = std::copy(escape.text, escape.text + escape.length, out);
      run = at + 1;
    } else if (const std::size_t length = Utf8SequenceLength(text, at); length > 0) {
      out = std::copy(text.data() + at, text.data() + at + length, out);
      run = at + length;
    } else {  // JSON text is UTF-8: a byte that starts no character stands for one it cannot show
      out = std::copy(kReplacementCharacter.begin(), kReplacementCharacter.end(), out);
      run = at + 1;
    }
  }
  out = std::copy(text.data() + run, text.data() + text.size(), out);
  *out++ = '"';
  size_ = static_cast<std::size_t>(out - buffer_.data());
  afterValue_ = true;
}

void JsonWriter::Number(double value) {
  char* out = Room(32);
  End(std::to_chars(out, out + 32, value).ptr, true);
}

void JsonWriter::Hundredths(double value) {
  End(WriteGeneralNumber(Room(kLongestGeneralNumber + 1), value, "."), true);
}

}  // namespace tavrin::cast
