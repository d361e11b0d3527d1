#include "runtime_path.h"

#include <QCoreApplication>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <cerrno>
#include <optional>

#include "system_error.h"

namespace conteggo {

namespace {

// Why `path` cannot hold the lock and the socket; nothing when it can. Looked at with lstat, so
// a link is never followed into somebody else's folder.
std::optional<QString> unsuitable(const QString& path, uid_t uid) {
    if (!QDir::isAbsolutePath(path)) {
        return QCoreApplication::translate("conteggo::RuntimeFolder", "non è un percorso assoluto");
    }
    const QByteArray socketName = QFile::encodeName(RuntimeFolder{path, {}, {}}.socketPath());
    if (static_cast<std::size_t>(socketName.size()) >= sizeof(sockaddr_un::sun_path)) {
        return QCoreApplication::translate("conteggo::RuntimeFolder",
                                           "percorso troppo lungo per un socket");
    }
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0) {
        return systemErrorText(errno);
    }
    if (S_ISLNK(info.st_mode)) {
        return QCoreApplication::translate("conteggo::RuntimeFolder",
                                           "è un collegamento simbolico");
    }
    if (!S_ISDIR(info.st_mode)) {
        return QCoreApplication::translate("conteggo::RuntimeFolder", "non è una cartella");
    }
    if (info.st_uid != uid) {
        return QCoreApplication::translate("conteggo::RuntimeFolder",
                                           "appartiene a un altro utente");
    }
    if ((info.st_mode & 07777) != 0700) {
        return QCoreApplication::translate("conteggo::RuntimeFolder",
                                           "ha i permessi %1 invece di 700")
            .arg(info.st_mode & 07777, 3, 8, QLatin1Char('0'));
    }
    return std::nullopt;
}

// Makes the program's own folder, private from its first moment; false with the reason.
bool makeOwnFolder(const QString& path, QString& whyNot) {
    const QByteArray name = QFile::encodeName(path);
    if (::mkdir(name.constData(), 0700) == 0) {
        ::chmod(name.constData(), 0700);  // whatever the umask took away
        return true;
    }
    if (errno == EEXIST) {
        return true;  // judged like any other candidate
    }
    whyNot = systemErrorText(errno);
    return false;
}

QString line(const QString& path, const QString& why) {
    return QCoreApplication::translate("conteggo::RuntimeFolder",
                                       "cartella per l'istanza non utilizzabile %1: %2")
        .arg(QDir::toNativeSeparators(path), why);
}

}  // namespace

RuntimeFolder chooseRuntimeFolder(const RuntimePlaces& places) {
    RuntimeFolder folder;
    if (!places.environment.isEmpty()) {
        const std::optional<QString> why = unsuitable(places.environment, places.uid);
        if (!why) {
            folder.path = places.environment;
            return folder;
        }
        folder.notice = QCoreApplication::translate("conteggo::RuntimeFolder",
                                                    "XDG_RUNTIME_DIR non usata (%1: %2)")
                            .arg(QDir::toNativeSeparators(places.environment), *why);
    }
    if (!unsuitable(places.perUser, places.uid)) {
        folder.path = places.perUser;
        return folder;
    }
    QString why;
    if (!makeOwnFolder(places.ownFolder, why)) {
        folder.error = line(places.ownFolder, why);
        return folder;
    }
    if (const std::optional<QString> bad = unsuitable(places.ownFolder, places.uid)) {
        folder.error = line(places.ownFolder, *bad);
        return folder;
    }
    folder.path = places.ownFolder;
    return folder;
}

RuntimeFolder findRuntimeFolder() {
    const uid_t uid = ::getuid();
    return chooseRuntimeFolder(
        {qEnvironmentVariable("XDG_RUNTIME_DIR"), QStringLiteral("/run/user/%1").arg(uid),
         QDir(QDir::tempPath()).filePath(QStringLiteral("conteggo-%1").arg(uid)), uid});
}

}  // namespace conteggo
