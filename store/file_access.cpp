#include "file_access.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>
#include <cstdio>

namespace conteggo {

namespace {

// The files that failed their last save. A file that keeps failing (a read-only folder, a
// full disk) is reported once, not at every autosave, and again only after it was saved.
QSet<QString>& failingFiles() {
    static QSet<QString> files;
    return files;
}

// Standard error rather than the Qt log: a failed save must be visible, and must never be
// turned into an abort by a logging setting.
bool reportFailure(const QString& path, const QString& reason) {
    if (!failingFiles().contains(path)) {
        failingFiles().insert(path);
        std::fprintf(stderr, "Conteggo: impossibile salvare %s: %s\n",
                     qPrintable(QDir::toNativeSeparators(path)), qPrintable(reason));
    }
    return false;
}

}  // namespace

bool openForReading(QFile& file, const QString& path) {
    if (!QFileInfo(path).isFile()) {
        return false;
    }
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly | QIODevice::Unbuffered);  // read only what is asked
}

bool replaceFile(const QString& path, const std::function<QByteArray()>& content) {
    // QFileInfo follows links, so a link to /dev/zero counts as the device it points to.
    const QFileInfo target(path);
    if (target.exists() && !target.isFile()) {
        return reportFailure(path, QStringLiteral("non è un file regolare"));
    }
    QSaveFile file(path);  // never falls back to writing the target in place
    if (!file.open(QIODevice::WriteOnly)) {
        return reportFailure(path, file.errorString());
    }
    const QByteArray bytes = content();
    // A full disk shows only when the buffer is flushed, and commit() would then still put the
    // short file in place: flush first, and keep the old file when anything failed.
    // Returning without a commit discards the temporary file.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        return reportFailure(path, file.errorString());
    }
    if (!file.commit()) {
        return reportFailure(path, file.errorString());
    }
    failingFiles().remove(path);
    return true;
}

}  // namespace conteggo
