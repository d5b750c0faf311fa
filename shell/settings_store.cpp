#include "shell/settings_store.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSettings>
#include <QStandardPaths>
#include <algorithm>
#include <cerrno>

#include "shell/app_text.h"
#include "text/text_codec.h"

namespace tavrin {
namespace {

// The store holds one short value; anything much larger is not this
// program's settings file, and reading it could hold up the start.
constexpr qint64 kLargestStoreFile = 64 * 1024;
// QSettings' own lock file holds a process id, a name and a host name.
constexpr qint64 kLargestLockFile = 4 * 1024;
// How long a write waits for another writer before giving up.
constexpr int kLockWaitMs = 500;

const QString kSection = QStringLiteral("Settings/");

QString Encoded(const QString& text) {
  return QString::fromStdString(FromAnsi(EncodeText(ToAnsi(text.toStdString()))));
}

QString Decoded(const QString& text) {
  return QString::fromStdString(FromAnsi(DecodeText(ToAnsi(text.toStdString()))));
}

QString StoredKey(const QString& key) { return kSection + Encoded(key); }

enum class Found { Nothing, PlainFile, SomethingElse };

// What lies at `path`, following links: only a plain file of modest size may
// be read or written. A pipe would hold the reader forever, and writing over
// a device or through a dangling link would replace or create something that
// is not ours.
Found Inspect(const QString& path) {
  const QByteArray native = QFile::encodeName(path);
  struct stat st {};
  if (::lstat(native.constData(), &st) != 0) return errno == ENOENT ? Found::Nothing : Found::SomethingElse;
  if (S_ISLNK(st.st_mode) && ::stat(native.constData(), &st) != 0) return Found::SomethingElse;
  return S_ISREG(st.st_mode) && st.st_size <= kLargestStoreFile ? Found::PlainFile : Found::SomethingElse;
}

// Every line blank, a [section], a comment or a key=value pair. QSettings
// reads any text without complaint (a shopping list is an empty store), and
// writing one value back would throw the rest away.
bool HasIniShape(const QByteArray& bytes) {
  const QList<QByteArray> lines = bytes.split('\n');
  return std::all_of(lines.begin(), lines.end(), [](const QByteArray& raw) {
    const QByteArray line = raw.trimmed();
    return line.isEmpty() || line.startsWith(';') || line.startsWith('#') || line.contains('=') ||
           (line.startsWith('[') && line.endsWith(']'));
  });
}

// A settings file of this program, as `store` read it from `path`: INI text
// with nothing outside the section "Settings". Anything else (a notes file
// behind a link, say) is neither read nor rewritten.
bool HoldsOnlySettings(const QString& path, const QSettings& store) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly) || !HasIniShape(file.read(kLargestStoreFile + 1))) return false;
  if (store.status() != QSettings::NoError) return false;
  const QStringList keys = store.allKeys();
  return std::all_of(keys.begin(), keys.end(), [](const QString& key) { return key.startsWith(kSection); });
}

// QSettings waits without limit for the lock file beside the store it
// writes. It is let write only when that lock is missing, or a plain file
// (not a link) that no live writer holds (QLockFile clears one left behind
// once it is stale), as found within kLockWaitMs.
bool StoreLockIsFree(const QString& storePath) {
  const QString lockPath = storePath + QStringLiteral(".lock");
  struct stat st {};
  if (::lstat(QFile::encodeName(lockPath).constData(), &st) == 0) {
    if (!S_ISREG(st.st_mode) || st.st_size > kLargestLockFile) return false;
  } else if (errno != ENOENT) {
    return false;
  }
  QLockFile probe(lockPath);
  return probe.tryLock(kLockWaitMs);  // given back when `probe` goes
}

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
  switch (Inspect(path)) {
    case Found::Nothing: return QString();
    case Found::SomethingElse: return std::nullopt;
    case Found::PlainFile: break;
  }
  const QSettings store(path, QSettings::IniFormat);
  if (!HoldsOnlySettings(path, store)) return std::nullopt;
  return Decoded(store.value(StoredKey(key), QString()).toString());
}

bool WriteSetting(const QString& key, const QString& value) {
  const QString path = SettingsFilePath();
  if (path.isEmpty()) return false;
  const Found found = Inspect(path);
  switch (found) {
    case Found::Nothing:
      if (!QDir().mkpath(QFileInfo(path).path())) return false;
      break;
    case Found::SomethingElse: return false;
    case Found::PlainFile: break;
  }
  QSettings store(path, QSettings::IniFormat);
  if (found == Found::PlainFile && !HoldsOnlySettings(path, store)) return false;
  if (!StoreLockIsFree(path)) return false;
  store.setValue(StoredKey(key), Encoded(value));
  store.sync();
  return store.status() == QSettings::NoError;
}

}  // namespace tavrin
