#pragma once

#include <QString>
#include <optional>

namespace tavrin {

// The per-user settings: an INI file named after the running executable
// (file name without extension) in the folder "Tavrin" of the user's
// configuration location ($XDG_CONFIG_HOME, else ~/.config). Values live in
// the section "Settings"; every key and value is stored in the program's text
// encoding, never in plain text, so copies under different file names keep
// separate settings.
//
// The file may be a link to a settings file elsewhere. Anything else at its
// place (a pipe, a device, a folder, a dangling link, a file that is not
// this program's settings) is neither read nor written, and a write that
// cannot take the store's lock within half a second gives up: the store
// never holds up the program.
QString SettingsFilePath();

// The value stored under `key`, or empty text when the key was never
// written. std::nullopt when the store cannot be read; the caller decides
// what that means.
std::optional<QString> ReadSetting(const QString& key);

// Stores `value` under `key`, replacing any earlier value. False when the
// store cannot be written, and then nothing has changed; the caller decides
// what that means.
[[nodiscard]] bool WriteSetting(const QString& key, const QString& value);

}  // namespace tavrin
