#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/birth_details.h"

namespace tavrin::cast {

// Reading files (.baz) on disk. A reading file is known by its name alone,
// with the desktop program's test: the path ends in exactly "baz", lower
// case, so "old.xbaz" passes and "reading.BAZ" does not. Both functions
// return what went wrong, or nothing when all went well.

// Reads the reading file at `path` into `birth` (see FillFromReading).
std::optional<std::string> OpenReading(std::string_view path, BirthDetails& birth,
                                       std::optional<double>& enteredLongitude);

// Saves `birth` at `path` byte for byte as the desktop program's Save writes
// it, replacing any earlier file whole or not at all.
std::optional<std::string> SaveReading(std::string_view path, const BirthDetails& birth,
                                       std::optional<double> enteredLongitude);

}  // namespace tavrin::cast
