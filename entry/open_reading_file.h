#pragma once

#include <QString>

#include <optional>

#include "chart/reading_file.h"

namespace tavrin {

// A reading file is known by its name alone: the path must end in exactly
// "baz", lower case. Only those three characters count, so "old.xbaz" passes
// and "reading.BAZ" does not.
bool HasReadingName(const QString& path);

// The decoded lines of the reading file at `path`, or nothing when it is not
// a regular file or cannot be opened or read. Pipes and devices are refused
// before they are opened, so that none of them can keep the window waiting.
std::optional<ReadingSlots> LoadReading(const QString& path);

}  // namespace tavrin
