#include "instance_lock.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>

#include "system_error.h"

namespace conteggo {

InstanceLock::InstanceLock(QString path) : path_(std::move(path)) {}

InstanceLock::~InstanceLock() {
    release();
}

void InstanceLock::release() {
    if (fd_ >= 0) {
        ::close(fd_);  // the lock goes with the descriptor; the file stays for the next copy
        fd_ = -1;
    }
}

InstanceLock::Outcome InstanceLock::tryAcquire() {
    if (held()) {
        return Outcome::Acquired;
    }
    const QByteArray name = QFile::encodeName(path_);
    int error = 0;
    for (int attempt = 1; attempt <= 2; ++attempt) {
        // O_NONBLOCK: a pipe under the name cannot hold the open; O_NOFOLLOW: a link cannot
        // lead it anywhere.
        const int fd =
            ::open(name.constData(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0600);
        error = errno;
        struct stat info {};
        if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                fd_ = fd;
                // Who holds it, for a person who looks.
                const QByteArray pid = QByteArray::number(::getpid()) + '\n';
                if (::ftruncate(fd, 0) == 0) {
                    [[maybe_unused]] const ssize_t written =
                        ::write(fd, pid.constData(), static_cast<size_t>(pid.size()));
                }
                return Outcome::Acquired;
            }
            error = errno;
            ::close(fd);
            if (error == EWOULDBLOCK) {
                return Outcome::Held;
            }
            break;
        }
        if (fd >= 0) {
            ::close(fd);
            error = EEXIST;
        }
        // Something else lies under the name (a link, a pipe, an empty folder). The folder is
        // this user's alone, so it is a leftover: clear it away once and try again.
        if (attempt == 1 && ::unlink(name.constData()) != 0 && ::rmdir(name.constData()) != 0) {
            break;
        }
    }
    error_ =
        QCoreApplication::translate("conteggo::InstanceLock",
                                    "impossibile creare il file di blocco %1: %2")
            .arg(QDir::toNativeSeparators(path_),
                 error == EEXIST ? QCoreApplication::translate("conteggo::InstanceLock",
                                                               "al suo posto c'è qualcos'altro")
                                 : systemErrorText(error));
    return Outcome::Failed;
}

FolderLock::~FolderLock() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool FolderLock::tryAcquire(const QString& folder) {
    if (fd_ >= 0) {
        return true;
    }
    const int fd =
        ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        return true;
    }
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
        fd_ = fd;
        return true;
    }
    const bool held = errno == EWOULDBLOCK;
    ::close(fd);
    return !held;
}

}  // namespace conteggo
