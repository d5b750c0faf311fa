#include "tools/error_line.h"

#include <string>

#include "tools/printable_text.h"

namespace tavrin::cast {

void WriteErrorLine(std::ostream& err, std::string_view message) {
  std::string line = "tavrin-cast: ";
  AppendPrintable(line, message);
  line += '\n';
  err << line;
}

}  // namespace tavrin::cast
