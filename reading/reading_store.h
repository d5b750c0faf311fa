#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "reading/reading.h"

namespace tavrin {

// A reading file is known by its name alone: the path must end in exactly
// "baz", lower case. Only those three characters count, so "old.xbaz" passes
// and "reading.BAZ" does not.
bool HasReadingName(std::string_view path);

// Reads the reading file at `path` (a local path, as the file system names
// it) into `reading`. Only a regular file is read: a pipe, a device or a
// folder is refused before anything could wait on it, and no more than the
// reader's budget is taken. Returns why the file could not be read, or
// nothing when it was.
std::optional<std::string> LoadReading(const std::string& path, Reading& reading);

// Saves `reading` at `path` as WriteFileAtomically does. Returns why it was
// not saved, or nothing when it was.
std::optional<std::string> SaveReading(const std::string& path, const Reading& reading);

}  // namespace tavrin
