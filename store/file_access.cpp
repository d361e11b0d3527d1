#include "file_access.h"

#include <QCoreApplication>

#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <algorithm>
#include <cerrno>

#include "field_reader.h"
#include "report_line.h"
#include "system_error.h"

namespace conteggo {

namespace {

// One byte more than any reading takes, so a reader can tell a file that goes on.
constexpr qint64 kReadBytes = FieldReader::kMaxTotalBytes + 1;

// Names tried for a file kept aside before giving up; each is a file the user left there.
constexpr int kMaxKeptAside = 999;

const QByteArray kByteOrderMark = QByteArrayLiteral("\xEF\xBB\xBF");

QString shownPath(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// The files that failed their last save. A file that keeps failing (a read-only folder, a
// full disk) is reported once, not at every autosave, and again only after it was saved.
QSet<QString>& failingFiles() {
    static QSet<QString> files;
    return files;
}

bool reportFailure(const QString& path, const QString& reason) {
    if (!failingFiles().contains(path)) {
        failingFiles().insert(path);
        reportLine(QCoreApplication::translate("Files", "impossibile salvare %1: %2")
                       .arg(shownPath(path), reason));
    }
    return false;
}

QString errorAfter(int errorNumber, const char* fallback) {
    return errorNumber != 0 ? systemErrorText(errorNumber)
                            : QCoreApplication::translate("Files", fallback);
}

bool onlyBlanks(QByteArrayView bytes) {
    if (bytes.startsWith(kByteOrderMark)) {
        bytes = bytes.sliced(kByteOrderMark.size());
    }
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

// The new file takes the old one's owner and group, so that a run as root (or as another
// member of the file's group) does not take the user's files away. A new file made by root
// takes the folder's owner. Where the system refuses, the file stays ours.
void keepOwner(const QSaveFile& file, const QString& path) {
    struct stat old {};
    const QByteArray name = QFile::encodeName(path);
    if (::stat(name.constData(), &old) != 0) {
        if (::geteuid() != 0 ||
            ::stat(QFile::encodeName(QFileInfo(path).absolutePath()).constData(), &old) != 0) {
            return;
        }
    }
    if (old.st_uid == ::geteuid() && old.st_gid == ::getegid()) {
        return;
    }
    if (::fchown(file.handle(), old.st_uid, old.st_gid) != 0) {
        [[maybe_unused]] const int groupOnly =
            ::fchown(file.handle(), static_cast<uid_t>(-1), old.st_gid);
    }
}

bool replaceFile(const QString& path, const QByteArray& bytes) {
    // QFileInfo follows links, so a link to /dev/zero counts as the device it points to.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        return reportFailure(path, QCoreApplication::translate("Files", "non è un file regolare"));
    }
    if (target.exists() && !target.isWritable()) {
        return reportFailure(path,
                             QCoreApplication::translate("Files", "il file è in sola lettura"));
    }
    QSaveFile file(path);  // never falls back to writing the target in place
    errno = 0;
    if (!file.open(QIODevice::WriteOnly)) {
        return reportFailure(
            path,
            errorAfter(errno, QT_TRANSLATE_NOOP("Files", "impossibile creare il file temporaneo")));
    }
    keepOwner(file, path);
    // A full disk shows only when the buffer is flushed, and commit() would then still put the
    // short file in place: flush first, and keep the old file when anything failed.
    // Returning without a commit discards the temporary file.
    errno = 0;
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        return reportFailure(path,
                             errorAfter(errno, QT_TRANSLATE_NOOP("Files", "errore di scrittura")));
    }
    errno = 0;
    if (!file.commit()) {
        return reportFailure(
            path, errorAfter(errno, QT_TRANSLATE_NOOP("Files", "errore nel sostituire il file")));
    }
    failingFiles().remove(path);
    return true;
}

}  // namespace

QString keptAsideName(const QString& path, int number) {
    const QFileInfo info(path);
    const QString tag = number == 1 ? QStringLiteral(".illeggibile")
                                    : QStringLiteral(".illeggibile-%1").arg(number);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    return path.left(path.lastIndexOf(QLatin1Char('/')) + 1) + info.completeBaseName() + tag +
           suffix;
}

StoredFile::StoredFile(QString path) : path_(std::move(path)) {}

std::optional<QByteArray> StoredFile::read() {
    if (!QFileInfo(path_).isFile()) {
        return std::nullopt;
    }
    QFile file(path_);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {  // read only what is asked
        keepAside(errorAfter(errno, QT_TRANSLATE_NOOP("Files", "non si può leggere")));
        return std::nullopt;
    }
    return file.read(kReadBytes);
}

void StoredFile::notUnderstood(const QByteArray& bytes, const QString& why) {
    if (!onlyBlanks(bytes)) {
        keepAside(why);
    }
}

void StoredFile::keepAside(const QString& why) {
    mustKeepAside_ = true;
    QString whyNot;
    const QString what = QCoreApplication::translate("Files", "%1 non è stato compreso (%2)")
                             .arg(shownPath(path_), why);
    if (const std::optional<QString> kept = moveAside(whyNot)) {
        reportLine(QCoreApplication::translate("Files", "%1: il vecchio file è conservato come %2")
                       .arg(what, shownPath(*kept)));
    } else {
        reportLine(QCoreApplication::translate(
                       "Files", "%1 e non si può conservare a parte (%2): non sarà sostituito")
                       .arg(what, whyNot));
    }
}

std::optional<QString> StoredFile::moveAside(QString& whyNot) {
    for (int number = 1; number <= kMaxKeptAside; ++number) {
        const QString kept = keptAsideName(path_, number);
        if (QFileInfo::exists(kept) || QFileInfo(kept).isSymLink()) {
            continue;  // never over one kept earlier
        }
        QFile file(path_);
        errno = 0;
        if (file.rename(kept)) {  // refuses to replace a file that appeared meanwhile
            mustKeepAside_ = false;
            return kept;
        }
        if (!QFileInfo::exists(kept)) {
            whyNot = errorAfter(errno, QT_TRANSLATE_NOOP("Files", "impossibile rinominarlo"));
            return std::nullopt;
        }
    }
    whyNot = QCoreApplication::translate("Files", "troppi file conservati");
    return std::nullopt;
}

bool StoredFile::replace(const QByteArray& bytes) {
    if (mustKeepAside_) {
        QString whyNot;
        const std::optional<QString> kept = moveAside(whyNot);
        if (!kept) {
            return reportFailure(
                path_, QCoreApplication::translate(
                           "Files", "il file non compreso non si può conservare a parte (%1)")
                           .arg(whyNot));
        }
        reportLine(QCoreApplication::translate("Files", "il vecchio %1 è conservato come %2")
                       .arg(shownPath(path_), shownPath(*kept)));
    }
    return replaceFile(path_, bytes);
}

}  // namespace conteggo
