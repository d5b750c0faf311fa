#pragma once

#include <QLockFile>
#include <QString>

namespace tavrin {

// The lock file that marks a running copy of this executable: named after
// the executable's file name and a hash of its full path, in the user's
// runtime folder (the temporary folder where there is none).
QString InstanceLockPath();

// Held by the running copy for its whole life. A lock left behind by a copy
// that crashed or was killed is stale (its process is gone, or is another
// program) and is taken over. The staleness test compares the running
// process's executable name with the application name, which the program
// therefore leaves at its default (the executable's name).
class InstanceLock {
 public:
  InstanceLock();
  explicit InstanceLock(const QString& path);
  InstanceLock(const InstanceLock&) = delete;
  InstanceLock& operator=(const InstanceLock&) = delete;

  // False only when another running copy holds the lock. When no lock file
  // can be made at all the program runs unguarded rather than not at all.
  bool TryLock();

 private:
  QLockFile file_;
};

}  // namespace tavrin
