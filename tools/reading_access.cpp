#include "tools/reading_access.h"

#include "reading/cast_choices.h"
#include "reading/name_choice.h"
#include "reading/reading_store.h"
#include "tools/reading_fields.h"

namespace tavrin::cast {

std::optional<std::string> OpenReading(std::string_view path, BirthDetails& birth,
                                       std::optional<double>& typedLongitude, CastOptions& options,
                                       place::PlaceChoices& place) {
  if (!HasReadingName(path)) return "not a reading file (its name must end in \"baz\")";
  Reading reading;
  if (auto reason = LoadReading(std::string(path), reading)) return "cannot read it: " + *reason;
  if (auto problem = NameChoiceProblem(reading)) return problem;
  if (auto error = FillFromReading(reading, birth, typedLongitude)) return DescribeLineError(*error);
  auto choices = CastChoicesOf(reading);
  if (const auto* problem = std::get_if<std::string>(&choices)) return *problem;
  options = std::get<CastOptions>(choices);
  place = place::ReadPlaceChoices(reading);
  return std::nullopt;
}

std::optional<std::string> SaveReading(std::string_view path, const BirthDetails& birth,
                                       std::optional<double> typedLongitude, const CastOptions& options,
                                       const place::PlaceChoices& choices) {
  if (!HasReadingName(path)) return "not a reading file name (it must end in \"baz\")";
  Reading reading = ReadingOf(birth, typedLongitude);
  SetCastChoices(reading, options);
  place::SetPlaceChoices(choices, reading);
  if (auto reason = tavrin::SaveReading(std::string(path), reading))
    return "cannot write it: " + *reason;
  return std::nullopt;
}

}  // namespace tavrin::cast
