#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "birth/entered_birth.h"

namespace tavrin::cast {

// The birth as typed: one text per field, from the command line or a batch row.
struct BirthFields {
  std::string_view name;
  std::string_view date;    // YYYY-MM-DD
  std::string_view time;    // HH:MM or HH:MM:SS
  std::string_view zone;    // hours east of Greenwich, or an IANA zone name
  std::string_view gender;  // male or female, any letter case
  std::optional<std::string_view> longitude;  // degrees east
  // The birth place: its longitude unless one is given, and its zone when
  // `zone` is empty.
  const place::Place* place = nullptr;
  std::optional<place::Fold> fold;  // for a clock time the zone showed twice
  // The field a zone name came from, when it is not "zone" ("tz", "place").
  std::string_view zoneField = "zone";
  std::string_view zoneFieldValue;  // what that field held
  // "lunar" or "lunar-leap" for a date in the Chinese lunar calendar (in a
  // leap month); "gregorian" or empty for the Gregorian one.
  std::string_view calendar;
};

// Which field was wrong, what it held and what would have been accepted.
struct FieldError {
  std::string_view field;  // "date", "zone", ...
  std::string value;
  std::string reason;
};

// Checks every field and fills `birth` as the entry form would. Without a
// longitude a place gives its own and otherwise the zone's standard meridian
// is used, so the chart follows the clock time as entered. A zone given by
// name is the offset it kept at the birth's clock time, and is named in `birth`.
// The fold is the place choices' fold; no other place choice is filled.
std::optional<FieldError> BirthFromFields(const BirthFields& fields, EnteredBirth& birth);

// "<prefix><field> <value>: <reason>", e.g. "--date 1984-02-30: no such day (...)".
std::string DescribeFieldError(const FieldError& error, std::string_view fieldPrefix);

}  // namespace tavrin::cast
