#include "reading/atomic_file.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace tavrin {
namespace {

constexpr std::string_view kTemporarySuffix = ".tavrin-save";
constexpr int kMostLinksFollowed = 40;  // as the kernel allows before ELOOP

std::string FolderOf(const std::string& path) {
  const auto slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// The path a chain of symbolic links ends at (which may not exist yet).
std::optional<std::string> FollowLinks(std::string path, int& error) {
  for (int hop = 0; hop < kMostLinksFollowed; ++hop) {
    struct stat status {};
    if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
    char target[PATH_MAX];
    const ssize_t length = readlink(path.c_str(), target, sizeof target);
    if (length < 0 || static_cast<std::size_t>(length) == sizeof target) {
      error = length < 0 ? errno : ENAMETOOLONG;
      return std::nullopt;
    }
    const std::string next(target, static_cast<std::size_t>(length));
    path = next.starts_with('/') ? next : FolderOf(path) + '/' + next;
  }
  error = ELOOP;
  return std::nullopt;
}

// 0 when every byte went out, else the error number.
int WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = write(fd, bytes.data(), bytes.size());
    if (written < 0 && errno == EINTR) continue;
    if (written < 0) return errno;
    if (written == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return 0;
}

// The permissions a new file of the user gets. The process's file mask is
// read where the system shows it, since setting it to read it back would
// change it for a moment for every thread of the program.
mode_t NewFilePermissions() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("Umask:")) return 0666 & ~static_cast<mode_t>(std::stoul(line.substr(6), nullptr, 8));
  }
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// Creates the private temporary file and locks it for as long as the save
// runs. One that nobody holds was left behind by a killed save and is
// removed; one that is held belongs to a save of the same file under way,
// which this one must not disturb (errno EBUSY).
int CreateTemporary(const std::string& temporary) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd >= 0) {
      if (flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
      close(fd);
      errno = EBUSY;
      return -1;
    }
    if (errno != EEXIST) return -1;
    const int left = open(temporary.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (left < 0) continue;  // gone in the meantime
    const bool held = flock(left, LOCK_EX | LOCK_NB) != 0;
    if (!held) unlink(temporary.c_str());
    close(left);
    if (held) {
      errno = EBUSY;
      return -1;
    }
  }
  errno = EEXIST;
  return -1;
}

// True while `temporary` still names the file open as `fd`: a save that
// lost its file to another one's clean-up must not rename that one's.
bool StillNames(const std::string& temporary, int fd) {
  struct stat named {}, opened {};
  return lstat(temporary.c_str(), &named) == 0 && fstat(fd, &opened) == 0 && named.st_dev == opened.st_dev &&
         named.st_ino == opened.st_ino;
}

// Named after the file it replaces, so that the next save of that file finds
// and removes one that a killed save left behind.
std::string TemporaryFileFor(const std::string& path) {
  const auto slash = path.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
  std::string name = "." + path.substr(slash == std::string::npos ? 0 : slash + 1);
  // A long name is shortened so the temporary name still fits the file system's limit.
  const std::size_t room = NAME_MAX - kTemporarySuffix.size();
  if (name.size() > room) name.resize(room);
  return folder + name + std::string(kTemporarySuffix);
}

std::string Reason(int error) {
  if (error == EBUSY) return "another save of this file is under way";
  return std::strerror(error);
}

}  // namespace

std::optional<std::string> WriteFileAtomically(const std::string& path, std::string_view bytes) {
  int error = 0;
  const std::optional<std::string> target = FollowLinks(path, error);
  if (!target) return Reason(error);

  mode_t permissions = NewFilePermissions();
  struct stat existing {};
  if (stat(target->c_str(), &existing) == 0) {
    if (S_ISDIR(existing.st_mode)) return Reason(EISDIR);
    if (!S_ISREG(existing.st_mode)) return "it is not a regular file";
    // Even root, whom the system lets write anywhere, keeps a file that is read-only.
    if ((existing.st_mode & 0222) == 0 || access(target->c_str(), W_OK) != 0) return "the file is read-only";
    permissions = existing.st_mode & 07777;
  } else if (errno != ENOENT) {
    return Reason(errno);
  }

  const std::string temporary = TemporaryFileFor(*target);
  const int fd = CreateTemporary(temporary);
  if (fd < 0) return Reason(errno);
  error = WriteAll(fd, bytes);
  if (error == 0 && fsync(fd) != 0) error = errno;
  if (error == 0 && !StillNames(temporary, fd)) error = EBUSY;
  if (error == 0 && std::rename(temporary.c_str(), target->c_str()) != 0) error = errno;
  if (error != 0) {
    if (StillNames(temporary, fd)) unlink(temporary.c_str());
    close(fd);
    return Reason(error);
  }
  // The file stays private until it is in place, so a save killed at any
  // point leaves nothing readable behind. Should this fail, the reading is
  // saved all the same, only more private than the file it replaced.
  fchmod(fd, permissions);
  close(fd);
  // The new name reaches the disk with the folder's own sync; a folder that cannot be synced changes nothing.
  if (const int folder = open(FolderOf(*target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); folder >= 0) {
    fsync(folder);
    close(folder);
  }
  return std::nullopt;
}

}  // namespace tavrin
