#include "tools/reading_access.h"

#include "reading/cast_choices.h"
#include "reading/name_choice.h"
#include "reading/reading_store.h"
#include "tools/place_lookup.h"
#include "tools/reading_fields.h"

namespace tavrin::cast {

std::optional<std::string> OpenReading(std::string_view path, EnteredBirth& birth) {
  if (!HasReadingName(path)) return "not a reading file (its name must end in \"baz\")";
  Reading reading;
  if (auto reason = LoadReading(std::string(path), reading)) return "cannot read it: " + *reason;
  if (auto problem = NameChoiceProblem(reading)) return problem;
  BirthEntry entry;
  if (auto error = FillFromReading(reading, entry)) return DescribeLineError(*error);
  auto choices = CastChoicesOf(reading);
  if (const auto* problem = std::get_if<std::string>(&choices)) return *problem;
  entry.options = std::get<CastOptions>(choices);
  entry.placeChoices = place::ReadPlaceChoices(reading);
  // The zone line keeps the offset the place's zone had at the birth, so the
  // chart needs no zone history; the place itself is named when the catalogue
  // still has it.
  const place::PlaceChoices& chosen = entry.placeChoices;
  if (chosen.placeId) {
    if (const auto* places = std::get_if<place::PlaceCatalogue>(&SystemPlaces()))
      entry.place = places->FindById(*chosen.placeId);
  }
  std::optional<place::ZoneHistory> zone;
  if (chosen.timeZone && *chosen.timeZone != place::kSavedOffsetStands)
    zone = place::ZoneHistory::Find(*chosen.timeZone);
  if (zone) entry.zone = &*zone;
  // With the saved offset given, the builder finds no fault.
  birth = std::get<EnteredBirth>(BuildBirth(entry));
  return std::nullopt;
}

std::optional<std::string> SaveReading(std::string_view path, const EnteredBirth& birth) {
  if (!HasReadingName(path)) return "not a reading file name (it must end in \"baz\")";
  if (auto reason = tavrin::SaveReading(std::string(path), ReadingOf(DetailsOf(birth), birth)))
    return "cannot write it: " + *reason;
  return std::nullopt;
}

}  // namespace tavrin::cast
