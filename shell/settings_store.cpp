#include "shell/settings_store.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include "shell/app_text.h"
#include "shell/text_codec.h"

namespace tavrin {
namespace {

QString Encoded(const QString& text) {
  return QString::fromStdString(FromAnsi(EncodeText(ToAnsi(text.toStdString()))));
}

QString Decoded(const QString& text) {
  return QString::fromStdString(FromAnsi(DecodeText(ToAnsi(text.toStdString()))));
}

QString StoredKey(const QString& key) { return QStringLiteral("Settings/") + Encoded(key); }

}  // namespace

QString SettingsFilePath() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (folder.isEmpty()) return {};
  const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  return folder + QLatin1Char('/') + QLatin1String(kApplicationTitle) + QLatin1Char('/') + program +
         QStringLiteral(".ini");
}

std::optional<QString> ReadSetting(const QString& key) {
  const QString path = SettingsFilePath();
  if (path.isEmpty()) return std::nullopt;
  const QSettings store(path, QSettings::IniFormat);
  if (store.status() != QSettings::NoError) return std::nullopt;
  return Decoded(store.value(StoredKey(key), QString()).toString());
}

bool WriteSetting(const QString& key, const QString& value) {
  const QString path = SettingsFilePath();
  if (path.isEmpty()) return false;
  QSettings store(path, QSettings::IniFormat);
  store.setValue(StoredKey(key), Encoded(value));
  store.sync();
  return store.status() == QSettings::NoError;
}

}  // namespace tavrin
