#include "instance_lock.h"

#include <unistd.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

namespace conteggo {

namespace {

// A lock file this old that names no process was left by a copy killed while creating it.
constexpr int kUnfinishedLockSeconds = 5;

QString lockPath() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        return QDir(runtime).filePath(QStringLiteral("conteggo.lock"));
    }
    return QDir(QDir::tempPath()).filePath(QStringLiteral("conteggo-%1.lock").arg(getuid()));
}

}  // namespace

InstanceLock::InstanceLock() : path_(lockPath()), lock_(std::make_unique<QLockFile>(path_)) {
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
