#include "tools/printable_text.h"

namespace tavrin::cast {

void AppendPrintable(std::string& out, std::string_view text) {
  for (char c : text) out += (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) ? '?' : c;
}

}  // namespace tavrin::cast
