#include "instance_lock.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>

namespace conteggo {

namespace {

QString lockPath() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        return QDir(runtime).filePath(QStringLiteral("conteggo.lock"));
    }
    return QDir(QDir::tempPath()).filePath(QStringLiteral("conteggo-%1.lock").arg(getuid()));
}

}  // namespace

FileInstanceLock::FileInstanceLock() : lock_(std::make_unique<QLockFile>(lockPath())) {
    lock_->setStaleLockTime(0);  // stale only when its process is gone, however old
}

bool FileInstanceLock::tryAcquire() {
    return lock_->tryLock(0);
}

}  // namespace conteggo
