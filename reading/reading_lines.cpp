#include "reading/reading_lines.h"

#include <charconv>

#include "birth/longitude.h"
#include "birth/zone.h"
#include "engine/number_text.h"

namespace tavrin {

std::optional<int> MinuteFromLine(std::string_view line) {
  int minute = -1;
  const char* end = line.data() + line.size();
  if (line.empty() || line.front() < '0' || line.front() > '9') return std::nullopt;
  const auto result = std::from_chars(line.data(), end, minute);
  if (result.ec != std::errc() || result.ptr != end || minute > 59) return std::nullopt;
  return minute;
}

std::optional<double> ZoneFromLine(std::string_view line) {
  const auto hours = ParseDecimal(TrimSpaces(line));
  if (!hours || *hours < -kWidestZoneHours || *hours > kWidestZoneHours) return std::nullopt;
  return hours;
}

std::optional<double> LongitudeFromLine(std::string_view line) {
  // Saved as a plain decimal, the same form as a zone offset.
  return LongitudeInRange(ParseDecimal(TrimSpaces(line)));
}

}  // namespace tavrin
