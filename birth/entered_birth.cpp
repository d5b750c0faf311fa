#include "birth/entered_birth.h"

#include <cmath>
#include <cstdint>

#include "birth/gender.h"
#include "birth/zone.h"
#include "engine/vocabulary.h"
#include "reading/cast_choices.h"
#include "reading/lunar_entry.h"

namespace tavrin {

double EnteredBirth::Longitude() const {
  if (typedLongitude) return *typedLongitude;
  return zone ? zone->offset.StandardMeridian() : ZoneMeridian(zoneHoursEast);
}

BirthDetails DetailsOf(const EnteredBirth& birth) {
  BirthDetails details;
  details.Name = birth.name;
  details.BirthYear = static_cast<std::int16_t>(birth.year);
  details.MonthName.assign(MonthNames[birth.month - 1]);
  details.BirthMonth = static_cast<std::int16_t>(birth.month);
  details.BirthDay = static_cast<std::int16_t>(birth.day);
  details.BirthHour = static_cast<std::int16_t>(birth.hour);
  details.BirthMinute = static_cast<std::int16_t>(birth.minute);
  details.BirthSecond = static_cast<std::int16_t>(birth.second);
  details.ZoneOffset = ZoneOffsetText(birth.zoneHoursEast);
  details.Longitude = birth.Longitude();
  SetGender(birth.male, details);
  return details;
}

Birth BirthOf(const EnteredBirth& birth) {
  Birth cast;
  cast.year = birth.year;
  cast.month = birth.month;
  cast.day = birth.day;
  cast.hour = birth.hour;
  cast.minute = birth.minute;
  cast.second = birth.second;
  cast.zoneSecondsEast = SecondsOfOffset(birth.zoneHoursEast);
  cast.longitude = birth.Longitude();
  cast.genderSign = birth.male ? 1 : -1;
  return cast;
}

Reading ReadingOf(const BirthDetails& details, const EnteredBirth& birth) {
  Reading reading = ReadingOf(details, birth.typedLongitude);
  SetCastChoices(reading, birth.options);
  place::SetPlaceChoices(birth.placeChoices, reading);
  if (birth.lunarEntry) SetLunarEntry(reading, *birth.lunarEntry);
  return reading;
}

std::variant<EnteredBirth, std::string> BuildBirth(const BirthEntry& entry) {
  EnteredBirth birth;
  birth.name = entry.name;
  birth.year = entry.year;
  birth.month = entry.month;
  birth.day = entry.day;
  birth.hour = entry.hour;
  birth.minute = entry.minute;
  birth.second = entry.second;
  birth.male = entry.male;
  birth.options = entry.options;
  birth.placeChoices = entry.placeChoices;
  birth.lunarEntry = entry.lunarEntry;
  birth.place = entry.place;
  birth.typedLongitude = entry.longitude;
  if (!birth.typedLongitude && entry.place && entry.placeGivesLongitude) birth.typedLongitude = entry.place->longitude;
  birth.zoneHoursEast = entry.zoneHoursEast.value_or(0);
  if (!entry.zone) return birth;
  const place::LocalDateTime local{entry.year, entry.month, entry.day, entry.hour, entry.minute, entry.second};
  const std::optional<double> placeLongitude =
      entry.place && entry.placeGivesLongitude ? std::optional(entry.place->longitude) : std::nullopt;
  const auto found = entry.zone->OffsetAt(local, entry.placeChoices.fold, placeLongitude);
  if (entry.zoneHoursEast) {
    // A saved offset stands; the zone is named again only when it kept that offset.
    const auto* offset = std::get_if<place::ZoneOffsetInForce>(&found);
    if (offset && HoursOfOffset(offset->seconds) == *entry.zoneHoursEast)
      birth.zone = BirthZone{std::string(entry.zone->Name()), *offset};
    return birth;
  }
  if (const auto* problem = std::get_if<place::ZoneTimeProblem>(&found)) return problem->message;
  const auto& offset = std::get<place::ZoneOffsetInForce>(found);
  const double hours = HoursOfOffset(offset.seconds);
  if (hours < -kWidestZoneHours || hours > kWidestZoneHours)
    return "its offset then, " + OffsetText(offset.seconds) + ", is beyond 14 hours";
  birth.zoneHoursEast = hours;
  birth.zone = BirthZone{std::string(entry.zone->Name()), offset};
  return birth;
}

}  // namespace tavrin
