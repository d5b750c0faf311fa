#include "tools/reading_fields.h"

#include <algorithm>
#include <cstdint>

#include "chart/reading_entries.h"
#include "engine/vocabulary.h"
#include "tools/field_checks.h"

namespace tavrin::cast {
namespace {

// Slot numbers, one per line of the reading file.
enum Slot : std::size_t { kName, kYear, kMonth, kDay, kHour, kMinute, kSecond, kZone, kGender, kLongitude };

constexpr std::string_view kFieldNames[kReadingSlotCount] = {"name",   "year", "month",  "day",    "hour",
                                                             "minute", "second", "zone", "gender", "longitude"};

using Texts = decltype(ReadingSlots::text);

std::optional<LineError> Wrong(Slot slot, std::string_view value, std::string reason) {
  return LineError{slot + 1, kFieldNames[slot], std::string(value), std::move(reason)};
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

std::optional<LineError> FillDate(const Texts& text, BirthDetails& birth) {
  const auto year = NumberUpTo(text[kYear], kLastYear);
  if (!year || *year < kFirstYear) return Wrong(kYear, text[kYear], "expected a year from 1 to 9999");
  const auto month = std::find(MonthNames.begin(), MonthNames.end(), text[kMonth]);
  if (month == MonthNames.end()) return Wrong(kMonth, text[kMonth], "expected a month name, January to December");
  const int monthNumber = static_cast<int>(month - MonthNames.begin()) + 1;
  const auto day = NumberUpTo(text[kDay], 31);
  if (!day) return Wrong(kDay, text[kDay], "expected a day from 1 to 31");
  if (auto problem = NoSuchDay(*year, monthNumber, *day)) return Wrong(kDay, text[kDay], std::move(*problem));
  birth.BirthYear = static_cast<std::int16_t>(*year);
  birth.BirthMonth = static_cast<std::int16_t>(monthNumber);
  birth.MonthName.assign(*month);
  birth.BirthDay = static_cast<std::int16_t>(*day);
  return std::nullopt;
}

std::optional<LineError> FillTime(const Texts& text, BirthDetails& birth) {
  const auto hour = NumberUpTo(text[kHour], 23);
  if (!hour) return Wrong(kHour, text[kHour], "expected an hour from 0 to 23");
  const auto minute = MinuteFromSlot(text[kMinute]);
  if (!minute) return Wrong(kMinute, text[kMinute], "expected a minute from 0 to 59");
  const auto second = NumberUpTo(text[kSecond], 59);
  if (!second) return Wrong(kSecond, text[kSecond], "expected a second from 0 to 59");
  birth.BirthHour = static_cast<std::int16_t>(*hour);
  birth.BirthMinute = static_cast<std::int16_t>(*minute);
  birth.BirthSecond = static_cast<std::int16_t>(*second);
  return std::nullopt;
}

// The zone, and the longitude that goes with it.
std::optional<LineError> FillPlace(const ReadingSlots& slots, BirthDetails& birth,
                                   std::optional<double>& enteredLongitude) {
  const auto& text = slots.text;
  const auto zone = ZoneFromSlot(text[kZone]);
  if (!zone)
    return Wrong(kZone, text[kZone], "expected hours east of Greenwich from -14 to 14 (e.g. 8, -5 or 5.5)");
  birth.ZoneOffset = ZoneOffsetText(*zone);
  enteredLongitude.reset();
  // A reading saved without a longitude has no tenth line; a blank one is read the same way.
  if (slots.linesRead <= kLongitude || text[kLongitude].empty()) {
    birth.Longitude = 15 * *zone;
    return std::nullopt;
  }
  const auto degrees = LongitudeFromSlot(text[kLongitude]);
  if (!degrees) return Wrong(kLongitude, text[kLongitude], "expected degrees east from -180 to 180");
  birth.Longitude = *degrees == 0 ? 0.0 : *degrees;  // -0 is plain zero
  enteredLongitude = birth.Longitude;
  return std::nullopt;
}

}  // namespace

std::optional<LineError> FillFromReading(const ReadingSlots& slots, BirthDetails& birth,
                                         std::optional<double>& enteredLongitude) {
  if (slots.linesRead <= kZone) {
    const auto missing = static_cast<Slot>(slots.linesRead);
    return LineError{missing + 1, kFieldNames[missing], std::nullopt, LinesInFile(slots.linesRead)};
  }
  const auto& text = slots.text;
  const std::string_view name = TrimSpaces(text[kName]);
  if (name.empty()) return Wrong(kName, text[kName], "must not be empty");
  birth.Name.assign(name);
  if (auto error = FillDate(text, birth)) return error;
  if (auto error = FillTime(text, birth)) return error;
  if (auto error = FillPlace(slots, birth, enteredLongitude)) return error;
  SetGender(IsMaleSlot(text[kGender]), birth);
  return std::nullopt;
}

std::string DescribeLineError(const LineError& error) {
  std::string text = "line " + std::to_string(error.line) + " (" + std::string(error.field) + ")";
  if (error.value) return text + " \"" + *error.value + "\": " + error.reason;
  return text + " is missing: " + error.reason;
}

}  // namespace tavrin::cast
