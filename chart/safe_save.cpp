#include "chart/safe_save.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace tavrin {

QString SaveSafely(const QString& path, const QByteArray& bytes) {
  // The new file takes the old one's place, which would do away with a FIFO
  // or a device (a link is followed to what it points to).
  const QFileInfo existing(path);
  if (existing.exists() && !existing.isFile()) {
    return QStringLiteral("%1 is not a regular file.").arg(QDir::toNativeSeparators(path));
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return file.errorString();
  // Returning before commit() discards the temporary file and leaves `path`
  // as it was.
  if (file.write(bytes) != bytes.size()) return file.errorString();
  // commit() ignores a failed sync, and some file systems report a full disk
  // or quota only there.
  if (::fsync(file.handle()) != 0) return QString::fromLocal8Bit(std::strerror(errno));
  if (!file.commit()) return file.errorString();
  return {};
}

}  // namespace tavrin
