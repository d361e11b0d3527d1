#include "file_access.h"

#include <QCoreApplication>

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <cerrno>

#include "field_reader.h"
#include "file_replace.h"
#include "name_lookup.h"
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
        reportProblem(Problem::SaveFailed, QCoreApplication::translate("conteggo::StoredFile",
                                                                       "impossibile salvare %1: %2")
                                               .arg(shownPath(path), reason));
    }
    return false;
}

QString foreignLinkText() {
    return QCoreApplication::translate("conteggo::StoredFile",
                                       "è un collegamento simbolico di un altro utente");
}

bool onlyBlanks(QByteArrayView bytes) {
    if (bytes.startsWith(kByteOrderMark)) {
        bytes = bytes.sliced(kByteOrderMark.size());
    }
    return std::all_of(bytes.begin(), bytes.end(),
                       [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
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
    const NameLookup found = lookUpName(path_);
    read_ = found.path;
    switch (found.kind) {
        case NameLookup::Kind::Missing:
        case NameLookup::Kind::Other:  // left alone, and never replaced
            return std::nullopt;
        case NameLookup::Kind::ForeignLink:
            keepAside(found.path, foreignLinkText());
            return std::nullopt;
        case NameLookup::Kind::Failed:
            keepAside(found.path, systemErrorText(found.error));
            return std::nullopt;
        case NameLookup::Kind::Regular:
            break;
    }
    int error = 0;
    const int fd = openForReading(found, error);
    if (fd < 0) {
        keepAside(found.path, systemErrorText(error));
        return std::nullopt;
    }
    // A read that fails is never taken for an empty or short file.
    QByteArray bytes(kReadBytes, '\0');
    qsizetype size = 0;
    while (size < bytes.size()) {
        const ssize_t got =
            ::read(fd, bytes.data() + size, static_cast<size_t>(bytes.size() - size));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            error = got < 0 ? errno : 0;
            break;
        }
        size += got;
    }
    // An error the close reports is one of writing (NFS and quotas report them there): it says
    // nothing of bytes already read.
    [[maybe_unused]] const int closed = ::close(fd);
    if (error != 0) {
        keepAside(found.path, systemErrorText(error));
        return std::nullopt;
    }
    bytes.truncate(size);
    return bytes;
}

void StoredFile::notUnderstood(const QByteArray& bytes, const QString& why) {
    if (!onlyBlanks(bytes)) {
        keepAside(read_, why);
    }
}

void StoredFile::keepAside(const QString& what, const QString& why) {
    keepAside_ = what;
    QString whyNot;
    //: %1 is the file's name, %2 why it could not be read or understood
    const QString line =
        QCoreApplication::translate("conteggo::StoredFile", "%1 non è stato compreso (%2)")
            .arg(shownPath(path_), why);
    if (const std::optional<QString> kept = moveAside(whyNot)) {
        //: %1 is the line above; %2 the name the old file now has
        reportProblem(Problem::FileKeptAside,
                      QCoreApplication::translate("conteggo::StoredFile",
                                                  "%1: il vecchio file è conservato come %2")
                          .arg(line, shownPath(*kept)));
    } else {
        reportProblem(Problem::FileKeptAside,
                      QCoreApplication::translate(
                          "conteggo::StoredFile",
                          "%1 e non si può conservare a parte (%2): non sarà sostituito")
                          .arg(line, whyNot));
    }
}

std::optional<QString> StoredFile::moveAside(QString& whyNot) {
    for (int number = 1; number <= kMaxKeptAside; ++number) {
        const QString kept = keptAsideName(keepAside_, number);
        const int error = renameUnlessTaken(keepAside_, kept);
        if (error == 0) {
            keepAside_.clear();
            return kept;
        }
        if (error != EEXIST) {  // never over one kept earlier
            whyNot = systemErrorText(error);
            return std::nullopt;
        }
    }
    whyNot = QCoreApplication::translate("conteggo::StoredFile", "troppi file conservati");
    return std::nullopt;
}

bool StoredFile::replace(const QByteArray& bytes) {
    NameLookup found = lookUpName(path_);
    if (found.kind == NameLookup::Kind::ForeignLink && keepAside_.isEmpty()) {
        keepAside_ = found.path;  // put there since start-up: never written through
    }
    if (!keepAside_.isEmpty()) {
        QString whyNot;
        const std::optional<QString> kept = moveAside(whyNot);
        if (!kept) {
            return reportFailure(path_,
                                 QCoreApplication::translate(
                                     "conteggo::StoredFile",
                                     "il file non compreso non si può conservare a parte (%1)")
                                     .arg(whyNot));
        }
        reportLine(QCoreApplication::translate("conteggo::StoredFile",
                                               "il vecchio %1 è conservato come %2")
                       .arg(shownPath(path_), shownPath(*kept)));
        found = lookUpName(path_);
    }
    std::optional<QString> failure;
    switch (found.kind) {
        case NameLookup::Kind::Regular:
        case NameLookup::Kind::Missing:
            failure = replaceFile(found, bytes);
            break;
        case NameLookup::Kind::Other:
            failure = QCoreApplication::translate("conteggo::StoredFile", "non è un file regolare");
            break;
        case NameLookup::Kind::ForeignLink:
            failure = foreignLinkText();
            break;
        case NameLookup::Kind::Failed:
            failure = systemErrorText(found.error);
            break;
    }
    if (failure) {
        return reportFailure(path_, *failure);
    }
    failingFiles().remove(path_);
    return true;
}

}  // namespace conteggo
