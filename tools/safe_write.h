#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tavrin::cast {

// Writes `bytes` into a temporary file beside `path` and renames it into place
// once all of it is written, so `path` holds either what it held before or
// the whole new content, never a part. Returns why it failed; the temporary
// file is gone then too.
std::optional<std::string> WriteFileSafely(const std::filesystem::path& path, std::string_view bytes);

}  // namespace tavrin::cast
