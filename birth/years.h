#pragma once

#include <optional>
#include <string_view>

#include "engine/cast_options.h"

namespace tavrin {

// The years the entry form offers for a method: Classic 1901 to 2050; Precise
// every year its Sun and delta T cover, 1600 to 2199.
struct YearSpan {
  int first;
  int last;
  bool Holds(int year) const { return year >= first && year <= last; }
};
YearSpan EntryYears(Method method);

// The year a reading's year line holds as the entry form lists it (plain
// decimal digits, no sign, no leading zero), when `years` holds it.
std::optional<int> ListedYear(std::string_view line, YearSpan years);

}  // namespace tavrin
