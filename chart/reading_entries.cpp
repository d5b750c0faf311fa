#include "chart/reading_entries.h"

#include <charconv>
#include <cmath>

#include "engine/birth_moment.h"

namespace tavrin {

std::optional<int> MinuteFromSlot(std::string_view slot) {
  int minute = -1;
  const char* end = slot.data() + slot.size();
  if (slot.empty() || slot.front() < '0' || slot.front() > '9') return std::nullopt;
  const auto result = std::from_chars(slot.data(), end, minute);
  if (result.ec != std::errc() || result.ptr != end || minute > 59) return std::nullopt;
  return minute;
}

bool IsMaleSlot(std::string_view slot) { return slot == "Male"; }

std::optional<double> ZoneFromSlot(std::string_view slot) {
  const auto hours = ParseZoneOffset(slot);
  if (!hours || *hours < -14 || *hours > 14) return std::nullopt;
  return hours;
}

std::optional<double> LongitudeFromSlot(std::string_view slot) {
  // A longitude is written as a plain decimal, the same form as a zone offset.
  const auto degrees = ParseZoneOffset(slot);
  if (!degrees || *degrees < -180 || *degrees > 180) return std::nullopt;
  return degrees;
}

ZoneCaptions ZoneCaptionsFor(double hoursEast) {
  const long long minutesWest = std::llround(-hoursEast * 60);
  return {std::to_string(minutesWest / 60), std::to_string(minutesWest % 60)};
}

}  // namespace tavrin
