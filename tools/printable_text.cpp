#include "tools/printable_text.h"

#include "tools/utf8_sequence.h"

namespace tavrin::cast {

void AppendPrintable(std::string& out, std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < 0x80) {
      out += (byte < 0x20 || byte == 0x7F) ? '?' : text[at];
      ++at;
      continue;
    }
    const std::size_t length = Utf8SequenceLength(text, at);
    const bool c1Control = length == 2 && byte == 0xC2 && static_cast<unsigned char>(text[at + 1]) < 0xA0;
    if (length == 0 || c1Control) {
      out += '?';
      at += length == 0 ? 1 : length;
    } else {
      out.append(text, at, length);
      at += length;
    }
  }
}

}  // namespace tavrin::cast
