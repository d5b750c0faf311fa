#include "tools/birth_fields.h"

#include "astro/civil_time.h"
#include "birth/entered_birth.h"
#include "calendar/lunar_calendar.h"
#include "birth/longitude.h"
#include "birth/zone.h"
#include "engine/number_text.h"
#include "tools/field_checks.h"
#include "tools/utf8_sequence.h"

namespace tavrin::cast {
namespace {

std::optional<FieldError> Fail(std::string_view field, std::string_view value, std::string reason) {
  return FieldError{field, std::string(value), std::move(reason)};
}

std::optional<FieldError> ReadName(std::string_view text, BirthEntry& entry) {
  const std::string_view name = TrimSpaces(text);
  if (name.empty()) return Fail("name", text, "must not be empty");
  if (!IsUtf8(name)) return Fail("name", text, "is not valid UTF-8 text");
  entry.name.assign(name);
  return std::nullopt;
}

std::optional<FieldError> ReadDate(std::string_view text, BirthEntry& entry) {
  const auto parsed = ParseDate(text);
  if (const auto* reason = std::get_if<std::string>(&parsed)) return Fail("date", text, *reason);
  const auto [year, month, day] = std::get<CalendarDate>(parsed);
  entry.year = year;
  entry.month = month;
  entry.day = day;
  return std::nullopt;
}

// A lunar date as YYYY-MM-DD, in a leap month or not, to its Gregorian day.
std::optional<FieldError> ReadLunarDate(std::string_view text, bool leap, BirthEntry& entry) {
  const std::optional<CalendarDate> numbers = ParseDateNumbers(text);
  if (!numbers) return Fail("date", text, "expected a lunar date as YYYY-MM-DD");
  const calendar::LunarDate lunar{numbers->year, numbers->month, leap, numbers->day};
  const calendar::GregorianDay civil = calendar::DayOf(lunar);
  if (civil.problem != calendar::LunarProblem::none)
    return Fail("date", text, calendar::ProblemText(lunar, civil.problem));
  const astro::CivilTime date = astro::CivilTimeOf(static_cast<double>(civil.dayNumber) - 0.5);
  entry.year = date.year;
  entry.month = date.month;
  entry.day = date.day;
  entry.lunarEntry = lunar;
  return std::nullopt;
}

std::optional<FieldError> ReadTime(std::string_view text, BirthEntry& entry) {
  const std::size_t firstColon = text.find(':');
  const std::size_t secondColon = firstColon == std::string_view::npos ? firstColon : text.find(':', firstColon + 1);
  std::optional<int> hour, minute, second = 0;
  if (firstColon != std::string_view::npos) {
    hour = ParseDigits(text.substr(0, firstColon), 2);
    minute = ParseDigits(text.substr(firstColon + 1, secondColon - firstColon - 1), 2);
    if (secondColon != std::string_view::npos) second = ParseDigits(text.substr(secondColon + 1), 2);
  }
  if (!hour || !minute || !second) return Fail("time", text, "expected a time as HH:MM or HH:MM:SS (24-hour clock)");
  if (*hour > 23) return Fail("time", text, "hour " + std::to_string(*hour) + " is out of range (0 to 23)");
  if (*minute > 59) return Fail("time", text, "minute " + std::to_string(*minute) + " is out of range (0 to 59)");
  if (*second > 59) return Fail("time", text, "second " + std::to_string(*second) + " is out of range (0 to 59)");
  entry.hour = *hour;
  entry.minute = *minute;
  entry.second = *second;
  return std::nullopt;
}

std::optional<FieldError> ReadZone(std::string_view text, BirthEntry& entry) {
  const auto value = ParseDecimal(text);
  if (!value) return Fail("zone", text, "expected hours east of Greenwich as a decimal number (e.g. 8, -5 or 5.5)");
  if (*value < -kWidestZoneHours || *value > kWidestZoneHours)
    return Fail("zone", text, "out of range (-14 to 14 hours east of Greenwich)");
  entry.zoneHoursEast = *value;
  return std::nullopt;
}

std::optional<FieldError> ReadLongitude(std::string_view text, BirthEntry& entry) {
  const auto value = ParseDecimal(text);
  if (!value) return Fail("longitude", text, "expected degrees east as a decimal number (e.g. 116 or -74.5)");
  const auto degrees = LongitudeInRange(value);
  if (!degrees) return Fail("longitude", text, "out of range (-180 to 180 degrees east)");
  entry.longitude = *degrees;
  return std::nullopt;
}

bool EqualsIgnoringCase(std::string_view text, std::string_view lowerWord) {
  if (text.size() != lowerWord.size()) return false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i] >= 'A' && text[i] <= 'Z' ? static_cast<char>(text[i] - 'A' + 'a') : text[i];
    if (c != lowerWord[i]) return false;
  }
  return true;
}

std::optional<FieldError> ReadGender(std::string_view text, BirthEntry& entry) {
  const bool male = EqualsIgnoringCase(text, "male");
  if (!male && !EqualsIgnoringCase(text, "female")) return Fail("gender", text, "expected male or female");
  entry.male = male;
  return std::nullopt;
}

}  // namespace

std::optional<FieldError> BirthFromFields(const BirthFields& fields, EnteredBirth& birth) {
  BirthEntry entry;
  entry.place = fields.place;
  entry.placeGivesLongitude = true;
  entry.placeChoices.fold = fields.fold;
  if (auto error = ReadName(fields.name, entry)) return error;
  const std::string_view calendar = TrimSpaces(fields.calendar);
  if (calendar == "lunar" || calendar == "lunar-leap") {
    if (auto error = ReadLunarDate(TrimSpaces(fields.date), calendar == "lunar-leap", entry)) return error;
  } else if (!calendar.empty() && calendar != "gregorian") {
    return Fail("calendar", fields.calendar, "expected gregorian, lunar or lunar-leap");
  } else if (auto error = ReadDate(TrimSpaces(fields.date), entry)) {
    return error;
  }
  if (auto error = ReadTime(TrimSpaces(fields.time), entry)) return error;
  const std::string_view zoneText =
      TrimSpaces(fields.zone).empty() && fields.place ? fields.place->timeZone : TrimSpaces(fields.zone);
  // A zone that is no number may be a zone name.
  std::optional<place::ZoneHistory> namedZone;
  std::optional<place::ZoneNotFound> unknownZone;
  if (!ParseDecimal(zoneText)) {
    auto found = place::ZoneHistory::Lookup(zoneText);
    if (auto* zone = std::get_if<place::ZoneHistory>(&found)) namedZone = *zone;
    else unknownZone = std::get<place::ZoneNotFound>(std::move(found));
  }
  if (namedZone) {
    entry.zone = &*namedZone;
  } else if (zoneText.find('/') != std::string_view::npos) {
    // A place's zone is named with what went wrong.
    if (fields.zoneFieldValue.empty()) return Fail(fields.zoneField, zoneText, unknownZone->message);
    return Fail(fields.zoneField, fields.zoneFieldValue,
                "its zone " + std::string(zoneText) + ": " + unknownZone->message);
  } else if (auto error = ReadZone(zoneText, entry)) {
    // A word may be a zone name mistyped ("Shanghai", "UCT").
    if (unknownZone && unknownZone->noDatabase)
      error->reason += " (no zone name can be used: " + unknownZone->message + ")";
    if (unknownZone && !unknownZone->closeNames.empty())
      error->reason += "; " + place::DidYouMean(unknownZone->closeNames);
    return error;
  }
  // A named zone that gives no offset at the birth is told before the fields after it.
  std::optional<FieldError> later;
  if (fields.longitude) later = ReadLongitude(TrimSpaces(*fields.longitude), entry);
  if (!later) later = ReadGender(TrimSpaces(fields.gender), entry);
  auto built = BuildBirth(entry);
  if (const auto* reason = std::get_if<std::string>(&built))
    return Fail(fields.zoneField, fields.zoneFieldValue.empty() ? fields.zone : fields.zoneFieldValue, *reason);
  if (later) return later;
  birth = std::move(std::get<EnteredBirth>(built));
  return std::nullopt;
}

std::string DescribeFieldError(const FieldError& error, std::string_view fieldPrefix) {
  std::string text(fieldPrefix);
  text += error.field;
  text += ' ';
  // A value that is empty or has spaces at its ends shows in quotes, so the spaces can be seen.
  const bool quote = error.value.empty() || error.value.front() == ' ' || error.value.back() == ' ';
  if (quote) text += '"';
  text += error.value;
  if (quote) text += '"';
  text += ": ";
  text += error.reason;
  return text;
}

}  // namespace tavrin::cast
