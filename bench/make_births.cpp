// Writes a batch of N varied births as CSV, header first, for timing the
// caster as a whole process: tavrin-make-births N > births.csv
#include <charconv>
#include <cstdio>
#include <string_view>

#include "bench/varied_births.h"

int main(int argc, char** argv) {
  unsigned count = 0;
  const std::string_view text = argc == 2 ? argv[1] : "";
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
  if (argc != 2 || error != std::errc() || end != text.data() + text.size()) {
    std::fputs("usage: tavrin-make-births N\n", stderr);
    return 2;
  }
  std::fputs("name,date,time,zone,gender,longitude\n", stdout);
  for (unsigned i = 0; i < count; ++i) {
    const std::string row = tavrin::bench::ToCsvRow(tavrin::bench::MakeVariedBirth(i), i);
    std::fwrite(row.data(), 1, row.size(), stdout);
  }
  return std::fflush(stdout) == 0 && !std::ferror(stdout) ? 0 : 1;
}
