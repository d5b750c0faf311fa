#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tavrin {

// Replaces the file at `path` with `bytes` so that it holds either what it
// held before or all of the new bytes, never a part, even when the disk fills
// up or the program is killed half-way:
//  - a symbolic link is followed, so its target is saved and the link stays;
//  - an existing file must be a regular file its owner may write to, and it
//    keeps its permissions; a new file gets those of any new file of the user;
//  - the bytes go into a private (0600) temporary file beside the target,
//    ".NAME.tavrin-save", every write checked and the data synced to the disk
//    before it takes the target's place. A later save of the same file
//    removes one that a killed save left behind, and a failure removes it;
//    while a save of the file runs, another save of it is refused.
// Returns why the file was not saved, or nothing when it was.
std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace tavrin
