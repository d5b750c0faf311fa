#include "tools/birth_fields.h"

#include <cstdint>

#include "birth/gender.h"
#include "birth/longitude.h"
#include "birth/zone.h"
#include "engine/number_text.h"
#include "engine/vocabulary.h"
#include "place/zone_history.h"
#include "tools/field_checks.h"
#include "tools/utf8_sequence.h"

namespace tavrin::cast {
namespace {

std::optional<FieldError> Fail(std::string_view field, std::string_view value, std::string reason) {
  return FieldError{field, std::string(value), std::move(reason)};
}

std::optional<FieldError> FillName(std::string_view text, BirthDetails& birth) {
  const std::string_view name = TrimSpaces(text);
  if (name.empty()) return Fail("name", text, "must not be empty");
  if (!IsUtf8(name)) return Fail("name", text, "is not valid UTF-8 text");
  birth.Name.assign(name);
  return std::nullopt;
}

std::optional<FieldError> FillDate(std::string_view text, BirthDetails& birth) {
  const auto parsed = ParseDate(text);
  if (const auto* reason = std::get_if<std::string>(&parsed)) return Fail("date", text, *reason);
  const auto [year, month, day] = std::get<CalendarDate>(parsed);
  birth.BirthYear = static_cast<std::int16_t>(year);
  birth.BirthMonth = static_cast<std::int16_t>(month);
  birth.MonthName.assign(MonthNames[month - 1]);
  birth.BirthDay = static_cast<std::int16_t>(day);
  return std::nullopt;
}

std::optional<FieldError> FillTime(std::string_view text, BirthDetails& birth) {
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
  birth.BirthHour = static_cast<std::int16_t>(*hour);
  birth.BirthMinute = static_cast<std::int16_t>(*minute);
  birth.BirthSecond = static_cast<std::int16_t>(*second);
  return std::nullopt;
}

std::optional<FieldError> FillZone(std::string_view text, BirthDetails& birth, double& hours) {
  const auto value = ParseDecimal(text);
  if (!value) return Fail("zone", text, "expected hours east of Greenwich as a decimal number (e.g. 8, -5 or 5.5)");
  if (*value < -kWidestZoneHours || *value > kWidestZoneHours)
    return Fail("zone", text, "out of range (-14 to 14 hours east of Greenwich)");
  birth.ZoneOffset = ZoneOffsetText(*value);
  hours = *value;
  return std::nullopt;
}

// The offset `zoneName` kept at the birth's clock time, already in `birth`.
// `meridianHours` is that of the zone's standard time then, so that summer time moves no pillar.
std::optional<FieldError> FillNamedZone(const BirthFields& fields, const place::ZoneHistory& zone,
                                        BirthDetails& birth, double& meridianHours, BirthWhere* where) {
  const std::string_view field = fields.zoneField;
  const std::string_view value = fields.zoneFieldValue.empty() ? fields.zone : fields.zoneFieldValue;
  const place::LocalDateTime local{birth.BirthYear,  birth.BirthMonth,  birth.BirthDay,
                                   birth.BirthHour, birth.BirthMinute, birth.BirthSecond};
  const std::optional<double> placeLongitude =
      fields.place ? std::optional(fields.place->longitude) : std::nullopt;
  auto found = zone.OffsetAt(local, fields.fold, placeLongitude);
  if (const auto* problem = std::get_if<place::ZoneTimeProblem>(&found)) return Fail(field, value, problem->message);
  const auto& offset = std::get<place::ZoneOffsetInForce>(found);
  const double hours = offset.seconds / 3600.0;
  if (hours < -kWidestZoneHours || hours > kWidestZoneHours)
    return Fail(field, value, "its offset then, " + OffsetText(offset.seconds) + ", is beyond 14 hours");
  birth.ZoneOffset = ZoneOffsetText(hours);
  meridianHours = offset.standardSeconds / 3600.0;
  if (where) where->zone = BirthZone{std::string(zone.Name()), offset};
  return std::nullopt;
}

std::optional<FieldError> FillLongitude(std::string_view text, BirthDetails& birth) {
  const auto value = ParseDecimal(text);
  if (!value) return Fail("longitude", text, "expected degrees east as a decimal number (e.g. 116 or -74.5)");
  const auto degrees = LongitudeInRange(value);
  if (!degrees) return Fail("longitude", text, "out of range (-180 to 180 degrees east)");
  birth.Longitude = *degrees;
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

std::optional<FieldError> FillGender(std::string_view text, BirthDetails& birth) {
  const bool male = EqualsIgnoringCase(text, "male");
  if (!male && !EqualsIgnoringCase(text, "female")) return Fail("gender", text, "expected male or female");
  SetGender(male, birth);
  return std::nullopt;
}

}  // namespace

std::optional<FieldError> FillBirthDetails(const BirthFields& fields, BirthDetails& birth, BirthWhere* where) {
  if (auto error = FillName(fields.name, birth)) return error;
  if (auto error = FillDate(TrimSpaces(fields.date), birth)) return error;
  if (auto error = FillTime(TrimSpaces(fields.time), birth)) return error;
  double meridianHours = 0;  // of the zone's standard time
  if (where) *where = BirthWhere{fields.place, std::nullopt};
  const std::string_view zoneText =
      TrimSpaces(fields.zone).empty() && fields.place ? fields.place->timeZone : TrimSpaces(fields.zone);
  // A zone that is no number may be a zone name.
  std::optional<place::ZoneHistory> namedZone;
  if (!ParseDecimal(zoneText)) namedZone = place::ZoneHistory::Find(zoneText);
  if (namedZone) {
    if (auto error = FillNamedZone(fields, *namedZone, birth, meridianHours, where)) return error;
  } else if (zoneText.find('/') != std::string_view::npos) {
    return Fail("zone", zoneText, "no such time zone in the installed tz database");
  } else if (auto error = FillZone(zoneText, birth, meridianHours)) {
    return error;
  }
  if (fields.longitude) {
    if (auto error = FillLongitude(TrimSpaces(*fields.longitude), birth)) return error;
  } else if (fields.place) {
    birth.Longitude = fields.place->longitude;
  } else {
    birth.Longitude = ZoneMeridian(meridianHours);
  }
  return FillGender(TrimSpaces(fields.gender), birth);
}

void NameSavedZone(std::string_view zoneName, std::optional<place::Fold> fold, bool longitudeTyped,
                   BirthDetails& birth, BirthWhere& where) {
  const auto zone = place::ZoneHistory::Find(zoneName);
  const auto saved = ParseDecimal(TrimSpaces(birth.ZoneOffset));
  if (!zone || !saved) return;
  const place::LocalDateTime local{birth.BirthYear,  birth.BirthMonth,  birth.BirthDay,
                                   birth.BirthHour, birth.BirthMinute, birth.BirthSecond};
  const auto found = zone->OffsetAt(local, fold, std::nullopt);
  const auto* offset = std::get_if<place::ZoneOffsetInForce>(&found);
  if (!offset || ZoneOffsetText(offset->seconds / 3600.0) != ZoneOffsetText(*saved)) return;
  where.zone = BirthZone{std::string(zone->Name()), *offset};
  if (!longitudeTyped) birth.Longitude = ZoneMeridian(offset->standardSeconds / 3600.0);
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
