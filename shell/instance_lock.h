#pragma once

#include <QString>

namespace tavrin {

// The lock file that marks a running copy of this executable: named after
// the executable's file name and a hash of its full path, in the user's
// runtime folder (the temporary folder where there is none).
QString InstanceLockPath();

// Held by the running copy for its whole life: an exclusive lock on the open
// lock file, which the system drops when the process ends in any way. What
// the file holds does not matter, so a file left empty, filled with junk or
// locked by a copy that was killed never keeps the next copy out; anything
// at the lock file's place that is not a plain file (a folder, a link, a
// pipe) is removed and a plain file made instead.
class InstanceLock {
 public:
  InstanceLock();
  explicit InstanceLock(const QString& path);
  ~InstanceLock();
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // False only when another running copy holds the lock. When no lock file
  // can be made at all the program runs unguarded rather than not at all.
  bool TryLock();

 private:
  QString path_;
  int fd_ = -1;
};

}  // namespace tavrin
