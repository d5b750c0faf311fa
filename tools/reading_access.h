#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "birth/entered_birth.h"

namespace tavrin::cast {

// Reading files (.baz) on disk, known by their name alone as the desktop
// program knows them (HasReadingName). Both functions return what went
// wrong, or nothing when all went well.

// Reads the reading file at `path` into `birth` (see FillFromReading), with
// the choices it was cast with and its birth place: the place itself when the
// catalogue has it, and the zone it names when that kept the saved offset.
std::optional<std::string> OpenReading(std::string_view path, EnteredBirth& birth);

// Saves `birth` at `path` byte for byte as the desktop program's Save writes
// it, replacing any earlier file whole or not at all. Its casting and place
// choices follow the lines when there are any.
std::optional<std::string> SaveReading(std::string_view path, const EnteredBirth& birth);

}  // namespace tavrin::cast
