#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "birth/entered_birth.h"
#include "reading/reading.h"

namespace tavrin::cast {

// A line of a reading file that cannot give its field.
struct LineError {
  std::size_t line;                  // counted from 1
  std::string_view field;            // "year", "zone", ...
  std::optional<std::string> value;  // nothing when the line is missing
  std::string reason;
};

// Takes a birth from a reading into `entry` the way the entry form takes it back: the
// gender is male only for exactly "Male", the zone is the saved one, and the
// longitude is the tenth line when there is one, else the zone's meridian.
// Unlike the form, which keeps its earlier choice when a line does not fit, a
// missing or unusable name, date, time or zone line is an error.
// On an error `entry` is partly written.
std::optional<LineError> FillFromReading(const Reading& reading, BirthEntry& entry);

// "line 4 (day) \"30\": no such day (February 1984 has 29 days)" or
// "line 5 (hour) is missing: the file has only 4 lines".
std::string DescribeLineError(const LineError& error);

}  // namespace tavrin::cast
