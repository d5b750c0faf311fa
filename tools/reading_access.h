#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/birth_details.h"
#include "engine/cast_options.h"
#include "place/place_choices.h"

namespace tavrin::cast {

// Reading files (.baz) on disk, known by their name alone as the desktop
// program knows them (HasReadingName). Both functions return what went
// wrong, or nothing when all went well.

// Reads the reading file at `path` into `birth` (see FillFromReading), the
// choices it was cast with into `options` and its birth place into `place`.
std::optional<std::string> OpenReading(std::string_view path, BirthDetails& birth,
                                       std::optional<double>& typedLongitude, CastOptions& options,
                                       place::PlaceChoices& place);

// Saves `birth` at `path` byte for byte as the desktop program's Save writes
// it, replacing any earlier file whole or not at all.
// `choices` follow the lines when there are any.
std::optional<std::string> SaveReading(std::string_view path, const BirthDetails& birth,
                                       std::optional<double> typedLongitude, const CastOptions& options = {},
                                       const place::PlaceChoices& choices = {});

}  // namespace tavrin::cast
