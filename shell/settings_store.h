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
QString SettingsFilePath();

// The value stored under `key`, or empty text when the key was never
// written. std::nullopt when the store cannot be read; the caller decides
// what that means.
std::optional<QString> ReadSetting(const QString& key);

// Stores `value` under `key`, replacing any earlier value. False when the
// store cannot be written; the caller decides what that means.
[[nodiscard]] bool WriteSetting(const QString& key, const QString& value);

}  // namespace tavrin
