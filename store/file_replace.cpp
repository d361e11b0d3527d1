#include "file_replace.h"

#include <QCoreApplication>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>

#include "descriptor.h"
#include "system_error.h"

namespace conteggo {

namespace {

// Names tried for the new file before giving up; each taken one is another program's.
constexpr int kMaxTemporaryNames = 100;

QString translated(const char* text) {
    return QCoreApplication::translate("conteggo::StoredFile", text);
}

// The new file takes the old one's owner and group, so that a run as root (or as another
// member of the file's group) does not take the user's files away. A new file made by root
// takes the folder's owner. Where the system refuses, the file stays ours.
void keepOwner(int fd, const NameLookup& target, int folder) {
    struct stat old = target.info;
    if (target.kind != NameLookup::Kind::Regular &&
        (::geteuid() != 0 || ::fstat(folder, &old) != 0)) {
        return;
    }
    if (old.st_uid == ::geteuid() && old.st_gid == ::getegid()) {
        return;
    }
    if (::fchown(fd, old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int groupOnly = ::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
    }
}

bool writeWhole(int fd, const QByteArray& bytes) {
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            if (written == 0) {
                errno = ENOSPC;  // a write that takes nothing will never take the rest
            }
            return false;
        }
        done += written;
    }
    return true;
}

// A new file of our own in `folder`, beside `name`: its descriptor and name, or -1.
int createNew(int folder, const QByteArray& name, QByteArray& created) {
    for (int attempt = 0; attempt < kMaxTemporaryNames; ++attempt) {
        created = name + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int fd = ::openat(folder, created.constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

}  // namespace

std::optional<QString> replaceFile(const NameLookup& target, const QByteArray& bytes) {
    const QByteArray path = QFile::encodeName(target.path);
    if (target.kind == NameLookup::Kind::Regular && ::access(path.constData(), W_OK) != 0) {
        return translated(QT_TRANSLATE_NOOP("conteggo::StoredFile", "il file è in sola lettura"));
    }
    const QFileInfo info(target.path);
    const Descriptor folder(::open(QFile::encodeName(info.absolutePath()).constData(),
                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0) {
        return systemErrorText(errno);
    }
    const QByteArray name = QFile::encodeName(info.fileName());
    QByteArray created;
    Descriptor file(createNew(folder.get(), name, created));
    if (file.get() < 0) {
        return systemErrorText(errno);
    }
    // The old file's mode before a byte is written: a private file never shows its new
    // content to anybody else.
    keepOwner(file.get(), target, folder.get());
    const bool written =
        (target.kind != NameLookup::Kind::Regular ||
         ::fchmod(file.get(), target.info.st_mode & 07777) == 0) &&
        writeWhole(file.get(), bytes) && ::fdatasync(file.get()) == 0 && file.close() &&
        ::renameat(folder.get(), created.constData(), folder.get(), name.constData()) == 0;
    if (!written) {
        const int error = errno;
        ::unlinkat(folder.get(), created.constData(), 0);
        return systemErrorText(error);
    }
    // A file system that cannot sync a folder says EINVAL: there is nothing more to do.
    if (::fsync(folder.get()) != 0 && errno != EINVAL) {
        return translated(QT_TRANSLATE_NOOP("conteggo::StoredFile",
                                            "la cartella non si può sincronizzare (%1)"))
            .arg(systemErrorText(errno));
    }
    return std::nullopt;
}

int renameUnlessTaken(const QString& from, const QString& to) {
    const QByteArray source = QFile::encodeName(from);
    const QByteArray destination = QFile::encodeName(to);
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, destination.constData(),
                    RENAME_NOREPLACE) == 0) {
        return 0;
    }
    if (errno != EINVAL && errno != ENOSYS) {
        return errno;
    }
    // A file system without that kind of rename: look first, then rename. The name a
    // file is kept under lies in the same folder, so nothing is ever copied.
    struct stat taken {};
    if (::lstat(destination.constData(), &taken) == 0) {
        return EEXIST;
    }
    return ::rename(source.constData(), destination.constData()) == 0 ? 0 : errno;
}

}  // namespace conteggo
