#include "shell/instance_lock.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tavrin {

QString InstanceLockPath() {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  const QFileInfo program(QCoreApplication::applicationFilePath());
  const QByteArray where =
      QCryptographicHash::hash(program.absoluteFilePath().toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
  return folder + QLatin1Char('/') + program.fileName() + QLatin1Char('-') + QString::fromLatin1(where) +
         QStringLiteral(".lock");
}

InstanceLock::InstanceLock() : InstanceLock(InstanceLockPath()) {}

InstanceLock::InstanceLock(const QString& path) : file_(path) {
  file_.setStaleLockTime(0);  // stale only when its process is gone, never by age
}

bool InstanceLock::TryLock() {
  return file_.tryLock(0) || file_.error() != QLockFile::LockFailedError;
}

}  // namespace tavrin
