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

}  // namespace conteggo
