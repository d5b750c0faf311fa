#pragma once

#include <sys/mount.h>
#include <sys/statvfs.h>

#include <cerrno>
#include <cstring>
#include <string>

#include <QByteArray>
#include <QFile>
#include <QString>

// Failures to write that hold even for root, who may write into any folder
// whatever its permissions: a tiny tmpfs that can be filled up or remounted
// read-only. Mounting needs root (CAP_SYS_ADMIN).
namespace tavrin::testing {

class TinyTmpfs {
 public:
  TinyTmpfs(const QString& folder, int kilobytes) : folder_(folder.toStdString()) {
    const std::string options = "size=" + std::to_string(kilobytes) + "k,mode=0755";
    if (::mount("tavrin-test", folder_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0) {
      mounted_ = true;
    } else {
      error_ = errno == EPERM ? "mounting a tmpfs needs root (CAP_SYS_ADMIN)" : std::strerror(errno);
    }
  }
  ~TinyTmpfs() {
    if (mounted_) ::umount2(folder_.c_str(), MNT_DETACH);
  }
  TinyTmpfs(const TinyTmpfs&) = delete;
  TinyTmpfs& operator=(const TinyTmpfs&) = delete;

  bool mounted() const { return mounted_; }
  // Why mounting failed.
  std::string error() const { return error_; }

  bool RemountReadOnly() {
    return ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) == 0;
  }

  // Fills the file system with the file `name` until no block is free.
  bool FillUp(const QString& name) {
    QFile filler(QString::fromStdString(folder_) + '/' + name);
    if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size()) {
    }
    struct statvfs space {};
    return ::statvfs(folder_.c_str(), &space) == 0 && space.f_bavail == 0;
  }

 private:
  std::string folder_;
  bool mounted_ = false;
  std::string error_;
};

}  // namespace tavrin::testing
