#include "shell/instance_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>

namespace tavrin {
namespace {

// Opens the plain file at `path`, making it when it is missing. Never follows
// a link and never waits on a pipe. -1 when something else is in the way.
int OpenPlainFile(const QByteArray& path) {
  const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
  if (fd < 0) return -1;
  struct stat st {};
  if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) return fd;
  ::close(fd);
  return -1;
}

// Clears whatever is not a plain file from `path`: a link (dangling or not),
// a pipe or device node, an empty folder.
void RemoveNonPlainFile(const QByteArray& path) {
  struct stat st {};
  if (::lstat(path.constData(), &st) != 0 || S_ISREG(st.st_mode)) return;
  if (S_ISDIR(st.st_mode)) ::rmdir(path.constData());
  else ::unlink(path.constData());
}

}  // namespace

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

InstanceLock::InstanceLock(const QString& path) : path_(path) {}

InstanceLock::~InstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

bool InstanceLock::TryLock() {
  if (fd_ >= 0) return true;
  const QByteArray path = QFile::encodeName(path_);
  int fd = OpenPlainFile(path);
  if (fd < 0) {
    RemoveNonPlainFile(path);
    fd = OpenPlainFile(path);
  }
  if (fd < 0) return true;
  // The file stays when the program ends: removing it could let a later copy
  // lock a file that a starting copy has just opened and so run beside it.
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const bool heldElsewhere = errno == EWOULDBLOCK;
    ::close(fd);
    return !heldElsewhere;
  }
  fd_ = fd;
  return true;
}

}  // namespace tavrin
