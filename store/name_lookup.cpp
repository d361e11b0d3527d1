#include "name_lookup.h"

#include <fcntl.h>
#include <unistd.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>

namespace conteggo {

namespace {

// As many links as the kernel follows in one path.
constexpr int kMaxLinks = 40;

QString linkTarget(const QString& link, int& error) {
    const QByteArray name = QFile::encodeName(link);
    QByteArray target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(name.constData(), target.data(), PATH_MAX);
    if (length < 0 || length >= PATH_MAX) {
        error = length < 0 ? errno : ENAMETOOLONG;
        return {};
    }
    target.truncate(length);
    const QString where = QFile::decodeName(target);
    // A relative target is relative to the link's own folder.
    return QDir::isAbsolutePath(where) ? where : QFileInfo(link).dir().filePath(where);
}

}  // namespace

NameLookup lookUpName(const QString& path) {
    NameLookup found;
    found.path = path;
    for (int links = 0; links <= kMaxLinks; ++links) {
        if (::lstat(QFile::encodeName(found.path).constData(), &found.info) != 0) {
            found.kind = errno == ENOENT ? NameLookup::Kind::Missing : NameLookup::Kind::Failed;
            found.error = errno;
            return found;
        }
        if (!S_ISLNK(found.info.st_mode)) {
            found.kind =
                S_ISREG(found.info.st_mode) ? NameLookup::Kind::Regular : NameLookup::Kind::Other;
            return found;
        }
        if (found.info.st_uid != ::geteuid()) {
            found.kind = NameLookup::Kind::ForeignLink;
            return found;
        }
        int error = 0;
        const QString next = linkTarget(found.path, error);
        if (next.isEmpty()) {
            found.kind = NameLookup::Kind::Failed;
            found.error = error != 0 ? error : ENOENT;
            return found;
        }
        found.path = next;
    }
    found.kind = NameLookup::Kind::Failed;
    found.error = ELOOP;
    return found;
}

int openForReading(const QString& path, int& error) {
    return openForReading(lookUpName(path), error);
}

int openForReading(const NameLookup& found, int& error) {
    switch (found.kind) {
        case NameLookup::Kind::Regular:
            break;
        case NameLookup::Kind::ForeignLink:
            error = ELOOP;
            return -1;
        case NameLookup::Kind::Missing:
        case NameLookup::Kind::Failed:
            error = found.error;
            return -1;
        case NameLookup::Kind::Other:
            error = EINVAL;
            return -1;
    }
    // O_NOFOLLOW and O_NONBLOCK: a link or a pipe swapped in since the lookup can neither lead
    // the open elsewhere nor hold it.
    const int fd = ::open(QFile::encodeName(found.path).constData(),
                          O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno;
        return -1;
    }
    struct stat opened {};
    if (::fstat(fd, &opened) != 0) {
        error = errno;
    } else if (!S_ISREG(opened.st_mode)) {
        error = EINVAL;
    } else {
        return fd;
    }
    ::close(fd);  // only read from: nothing to lose
    return -1;
}

}  // namespace conteggo
