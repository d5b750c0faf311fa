#include "birth/years.h"

#include <string>

#include "astro/delta_t.h"

namespace tavrin {

YearSpan EntryYears(Method method) {
  if (method == Method::precise) return {astro::kFirstPreciseYear, astro::kLastPreciseYear};
  return {1901, 2050};
}

std::optional<int> ListedYear(std::string_view line, YearSpan years) {
  if (line.empty() || line.size() > 4 || line.front() == '0') return std::nullopt;
  int year = 0;
  for (const char c : line) {
    if (c < '0' || c > '9') return std::nullopt;
    year = year * 10 + (c - '0');
  }
  if (!years.Holds(year)) return std::nullopt;
  return year;
}

}  // namespace tavrin
