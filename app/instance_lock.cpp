#include "instance_lock.h"

#include <QDateTime>
#include <QFileInfo>

#include "runtime_path.h"

namespace conteggo {

namespace {

// A lock file this old that names no process was left by a copy killed while creating it.
constexpr int kUnfinishedLockSeconds = 5;

}  // namespace

InstanceLock::InstanceLock()
    : path_(runtimeFilePath(QStringLiteral("lock"))), lock_(std::make_unique<QLockFile>(path_)) {
    lock_->setStaleLockTime(0);  // stale only when its process is gone, however old
}

bool InstanceLock::tryAcquire() {
    if (lock_->tryLock(0)) {
        return true;
    }
    qint64 pid = 0;
    QString host;
    QString application;
    const QDateTime written = QFileInfo(path_).lastModified();
    if (lock_->error() == QLockFile::LockFailedError &&
        !lock_->getLockInfo(&pid, &host, &application) &&
        written.secsTo(QDateTime::currentDateTime()) > kUnfinishedLockSeconds) {
        lock_->removeStaleLockFile();
        return lock_->tryLock(0);
    }
    return false;
}

}  // namespace conteggo
