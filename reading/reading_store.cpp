#include "reading/reading_store.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sstream>

#include "reading/atomic_file.h"
#include "reading/reading_file.h"

namespace tavrin {
namespace {

constexpr std::string_view kNotRegular = "it is not a regular file";

std::string Reason(int error) { return std::strerror(error); }

// Why `status` is not that of a file to read, or nothing.
std::optional<std::string> NotReadable(const struct stat& status) {
  if (S_ISDIR(status.st_mode)) return "it is a directory";
  if (!S_ISREG(status.st_mode)) return std::string(kNotRegular);
  return std::nullopt;
}

// Up to `budget` bytes from `fd`; false with `error` set when a read fails.
bool ReadUpTo(int fd, std::size_t budget, std::string& bytes, int& error) {
  char block[64 * 1024];
  while (bytes.size() < budget) {
    const ssize_t got = read(fd, block, std::min(sizeof block, budget - bytes.size()));
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) {
      error = errno;
      return false;
    }
    if (got == 0) break;
    bytes.append(block, static_cast<std::size_t>(got));
  }
  return true;
}

}  // namespace

bool HasReadingName(std::string_view path) { return path.ends_with("baz"); }

std::optional<std::string> LoadReading(const std::string& path, Reading& reading) {
  // A pipe or a device is recognised before it is opened, and opening does
  // not wait either, in case the file was swapped for one in between.
  struct stat named {};
  if (stat(path.c_str(), &named) != 0) return Reason(errno);
  if (auto reason = NotReadable(named)) return reason;
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return Reason(errno);
  struct stat opened {};
  std::optional<std::string> reason;
  if (fstat(fd, &opened) != 0) reason = Reason(errno);
  else if (opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) reason = std::string(kNotRegular);
  else reason = NotReadable(opened);
  std::string bytes;
  int error = 0;
  if (!reason && !ReadUpTo(fd, kReadingByteBudget, bytes, error)) reason = Reason(error);
  close(fd);
  if (reason) return reason;
  std::istringstream in(std::move(bytes));
  reading = ReadReading(in);
  return std::nullopt;
}

std::optional<std::string> SaveReading(const std::string& path, const Reading& reading) {
  return WriteFileAtomically(path, ComposeReading(reading));
}

}  // namespace tavrin
