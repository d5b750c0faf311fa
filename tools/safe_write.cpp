#include "tools/safe_write.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tavrin::cast {
namespace {

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

// mkstemp makes the file private; the saved file gets the permissions any new
// file of the user would get.
int OpenPermissions(int fd) {
  const mode_t mask = umask(0);
  umask(mask);
  return fchmod(fd, 0666 & ~mask) == 0 ? 0 : errno;
}

}  // namespace

std::optional<std::string> WriteFileSafely(const std::filesystem::path& path, std::string_view bytes) {
  // Beside the target, so that the rename stays on one file system.
  std::string temporary = (path.parent_path() / ".tavrin-cast-XXXXXX").string();
  const int fd = mkstemp(temporary.data());
  if (fd < 0) return std::strerror(errno);
  int error = OpenPermissions(fd);
  if (error == 0) error = WriteAll(fd, bytes);
  if (close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error == 0) return std::nullopt;
  unlink(temporary.c_str());
  return std::strerror(error);
}

}  // namespace tavrin::cast
