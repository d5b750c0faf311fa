#pragma once

#include <optional>
#include <string>
#include <variant>

#include "calendar/lunar_calendar.h"
#include "engine/birth.h"
#include "engine/birth_details.h"
#include "engine/cast_options.h"
#include "place/place_catalogue.h"
#include "place/place_choices.h"
#include "place/zone_history.h"
#include "reading/reading.h"

namespace tavrin {

// The zone a birth was cast in when it was given by name, and the offset it
// kept at the birth.
struct BirthZone {
  std::string name;
  place::ZoneOffsetInForce offset;
};

// One person's birth as entered, from the entry form, the command line, a
// batch row or a reading file.
struct EnteredBirth {
  std::string name;  // trimmed
  int year = 0;      // Julian reckoning up to 1585, Gregorian after
  int month = 0;     // 1 to 12
  int day = 0;
  int hour = 0;
  int minute = 0;
  int second = 0;
  double zoneHoursEast = 0;              // the offset of the clocks at the birth, east of Greenwich
  std::optional<double> typedLongitude;  // degrees east; nothing when none was given
  bool male = true;
  CastOptions options;
  place::PlaceChoices placeChoices;  // as a reading keeps them
  const place::Place* place = nullptr;  // the birth place, when known
  std::optional<BirthZone> zone;        // the zone named, when one was
  // The lunar date the birth was entered as, when it was; the date above is its Gregorian day.
  std::optional<calendar::LunarDate> lunarEntry;

  // The typed longitude, else the meridian of the zone's standard time
  // (of the offset when no zone was named), where local mean time is the clock time.
  double Longitude() const;
};

// The birth details of `birth`: the zone offset as ZoneOffsetText of its
// hours, the month's name, the gender as text and sign.
BirthDetails DetailsOf(const EnteredBirth& birth);
// The birth as the engine casts it.
Birth BirthOf(const EnteredBirth& birth);
// The reading file's record of `details` (those of `birth`), with the typed
// longitude, the casting and place choices of `birth` and its lunar entry.
Reading ReadingOf(const BirthDetails& details, const EnteredBirth& birth);

// What a source gives once it has read its own syntax, every field checked.
struct BirthEntry {
  std::string name;  // trimmed, not empty
  int year = 0, month = 0, day = 0;  // a day of the month
  int hour = 0, minute = 0, second = 0;
  // The offset entered, hours east, if any; a zone named with it stands only
  // when it kept that offset at the birth.
  std::optional<double> zoneHoursEast;
  // A zone named, resolved at the birth's clock time; needed without an offset.
  const place::ZoneHistory* zone = nullptr;
  std::optional<double> longitude;  // degrees east, -180 to 180
  const place::Place* place = nullptr;
  // The place was chosen for this birth: its longitude stands in for a
  // missing one, and its local mean time for a clock time before the zone's first record.
  bool placeGivesLongitude = false;
  bool male = true;
  CastOptions options;
  // Kept as they are; their fold tells which of a clock time shown twice.
  place::PlaceChoices placeChoices;
  std::optional<calendar::LunarDate> lunarEntry;  // the lunar date of year, month and day, when entered so
};

// The birth of `entry`, or why its zone gives no offset at the birth.
std::variant<EnteredBirth, std::string> BuildBirth(const BirthEntry& entry);

}  // namespace tavrin
