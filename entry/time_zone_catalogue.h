#pragma once

#include <array>
#include <string_view>

namespace tavrin {

// One named time zone of the picker. Hours are west of Greenwich (behind
// Greenwich time) and minutes carry the sign of the hours. The display text is
// for reading only: a row's values belong to its position, never to its text.
struct TimeZoneRow {
  std::string_view text;
  int hours;
  int minutes;
};

inline constexpr int kTimeZoneCount = 71;

// The zones in list order (alphabetical by display text, ignoring case).
extern const std::array<TimeZoneRow, kTimeZoneCount> TimeZoneCatalogue;

}  // namespace tavrin
