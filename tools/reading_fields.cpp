#include "tools/reading_fields.h"

#include <algorithm>

#include "birth/gender.h"
#include "engine/number_text.h"
#include "engine/vocabulary.h"
#include "reading/reading_lines.h"
#include "tools/field_checks.h"

namespace tavrin::cast {
namespace {

using Line = ReadingLine;

constexpr std::string_view kFieldNames[kReadingLineCount] = {"name",   "year",   "month", "day",    "hour",
                                                             "minute", "second", "zone",  "gender", "longitude"};

std::size_t Index(Line line) { return static_cast<std::size_t>(line); }

std::optional<LineError> Wrong(Line line, std::string_view value, std::string reason) {
  return LineError{Index(line) + 1, kFieldNames[Index(line)], std::string(value), std::move(reason)};
}

std::string LinesInFile(std::size_t lines) {
  if (lines == 0) return "the file is empty";
  return "the file has only " + std::to_string(lines) + (lines == 1 ? " line" : " lines");
}

std::optional<int> NumberUpTo(std::string_view text, int highest) {
  const auto value = ParseDigits(text, 4);
  if (!value || *value > highest) return std::nullopt;
  return value;
}

std::optional<LineError> FillDate(const Reading& reading, BirthEntry& entry) {
  const auto year = NumberUpTo(reading[Line::year], kLastYear);
  if (!year || *year < kFirstYear) return Wrong(Line::year, reading[Line::year], "expected a year from 1 to 9999");
  const auto month = std::find(MonthNames.begin(), MonthNames.end(), reading[Line::month]);
  if (month == MonthNames.end())
    return Wrong(Line::month, reading[Line::month], "expected a month name, January to December");
  const int monthNumber = static_cast<int>(month - MonthNames.begin()) + 1;
  const auto day = NumberUpTo(reading[Line::day], 31);
  if (!day) return Wrong(Line::day, reading[Line::day], "expected a day from 1 to 31");
  if (auto problem = NoSuchDay(*year, monthNumber, *day)) return Wrong(Line::day, reading[Line::day], *problem);
  entry.year = *year;
  entry.month = monthNumber;
  entry.day = *day;
  return std::nullopt;
}

std::optional<LineError> FillTime(const Reading& reading, BirthEntry& entry) {
  const auto hour = NumberUpTo(reading[Line::hour], 23);
  if (!hour) return Wrong(Line::hour, reading[Line::hour], "expected an hour from 0 to 23");
  const auto minute = MinuteFromLine(reading[Line::minute]);
  if (!minute) return Wrong(Line::minute, reading[Line::minute], "expected a minute from 0 to 59");
  const auto second = NumberUpTo(reading[Line::second], 59);
  if (!second) return Wrong(Line::second, reading[Line::second], "expected a second from 0 to 59");
  entry.hour = *hour;
  entry.minute = *minute;
  entry.second = *second;
  return std::nullopt;
}

// The zone, and the longitude that goes with it.
std::optional<LineError> FillPlace(const Reading& reading, BirthEntry& entry) {
  const auto zone = ZoneFromLine(reading[Line::zone]);
  if (!zone)
    return Wrong(Line::zone, reading[Line::zone], "expected hours east of Greenwich from -14 to 14 (e.g. 8, -5 or 5.5)");
  entry.zoneHoursEast = *zone;
  // A reading saved without a longitude has no tenth line; a blank one is read the same way.
  if (!reading.Has(Line::longitude) || reading[Line::longitude].empty()) return std::nullopt;
  const auto degrees = LongitudeFromLine(reading[Line::longitude]);
  if (!degrees) return Wrong(Line::longitude, reading[Line::longitude], "expected degrees east from -180 to 180");
  entry.longitude = *degrees;
  return std::nullopt;
}

}  // namespace

std::optional<LineError> FillFromReading(const Reading& reading, BirthEntry& entry) {
  if (!reading.Has(Line::zone)) {
    const std::size_t missing = reading.lineCount;
    return LineError{missing + 1, kFieldNames[missing], std::nullopt, LinesInFile(reading.lineCount)};
  }
  const std::string_view name = TrimSpaces(reading[Line::name]);
  if (name.empty()) return Wrong(Line::name, reading[Line::name], "must not be empty");
  entry.name.assign(name);
  if (auto error = FillDate(reading, entry)) return error;
  if (auto error = FillTime(reading, entry)) return error;
  if (auto error = FillPlace(reading, entry)) return error;
  entry.male = IsMaleText(reading[Line::gender]);
  return std::nullopt;
}

std::string DescribeLineError(const LineError& error) {
  std::string text = "line " + std::to_string(error.line) + " (" + std::string(error.field) + ")";
  if (error.value) return text + " \"" + *error.value + "\": " + error.reason;
  return text + " is missing: " + error.reason;
}

}  // namespace tavrin::cast
