#pragma once

#include <QLockFile>
#include <memory>

namespace conteggo {

// Whether another copy of the program runs, for one user: a lock file in the user's runtime
// folder (or the temp folder, named with the user id). The lock of a copy that was killed is
// taken over: its process no longer exists, or it died before it could write its process id
// into the file.
class InstanceLock {
  public:
    InstanceLock();
    // True when this copy is the only one; it then holds the lock until it ends.
    bool tryAcquire();

  private:
    QString path_;
    std::unique_ptr<QLockFile> lock_;
};

}  // namespace conteggo
