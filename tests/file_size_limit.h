#pragma once

#include <signal.h>
#include <sys/resource.h>

namespace tavrin::testing {

// While it lives, no file of this process may grow past `bytes`: a write
// that would is cut short, and the next one fails with EFBIG, as on a disk
// that fills up half-way. The signal that would otherwise end the process
// is ignored meanwhile. Needs no privileges and touches no file system.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    savedSignal_ = signal(SIGXFSZ, SIG_IGN);
    rlimit limit = saved_;
    limit.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    signal(SIGXFSZ, savedSignal_);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;

 private:
  rlimit saved_{};
  sighandler_t savedSignal_ = SIG_DFL;
};

}  // namespace tavrin::testing
