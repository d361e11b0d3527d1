#pragma once

#include <QString>

namespace conteggo {

// Whether another copy of the program runs, for one user: an exclusive lock (flock) on a file
// in the user's private runtime folder. The system drops the lock the moment its process ends,
// however it ends, so a killed copy never leaves a lock behind. The file is opened so that
// nothing else under its name (a pipe, a link) can hold the program or lead it elsewhere.
class InstanceLock {
  public:
    enum class Outcome {
        Acquired,  // this copy is the only one, and holds the lock until it ends
        Held,      // a live copy holds it
        Failed,    // no lock can be had: error() says why
    };

    explicit InstanceLock(QString path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Outcome tryAcquire();
    bool held() const { return fd_ >= 0; }
    void release();

    // One line naming the path and the reason, after Failed.
    const QString& error() const { return error_; }

  private:
    QString path_;
    int fd_ = -1;
    QString error_;
};

// The working folder itself, locked (flock on the folder) by the copy that works in it, so that
// two copies never work on the same files, whatever their environment: another runtime
// folder, another TMPDIR, one started before the per-user folder appeared. Nothing is put in
// the folder.
class FolderLock {
  public:
    FolderLock() = default;
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // False only when a live copy holds `folder`. Where the system cannot lock it (a folder
    // this user may not read, a network file system without locks) the per-user lock alone
    // keeps copies apart, as it always has.
    bool tryAcquire(const QString& folder);

  private:
    int fd_ = -1;
};

}  // namespace conteggo
