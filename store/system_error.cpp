#include "system_error.h"

#include <cerrno>

namespace conteggo {

QString systemErrorText(int errorNumber) {
    switch (errorNumber) {
        case EACCES:
        case EPERM:
            return QStringLiteral("permesso negato");
        case ENOENT:
            return QStringLiteral("non esiste");
        case ENOTDIR:
            return QStringLiteral("una parte del percorso non è una cartella");
        case EISDIR:
            return QStringLiteral("è una cartella");
        case ELOOP:
            return QStringLiteral("troppi collegamenti simbolici");
        case ENAMETOOLONG:
            return QStringLiteral("nome troppo lungo");
        case ENOSPC:
            return QStringLiteral("spazio esaurito sul disco");
        case EDQUOT:
            return QStringLiteral("quota del disco superata");
        case EROFS:
            return QStringLiteral("file system in sola lettura");
        case EEXIST:
            return QStringLiteral("esiste già");
        case ENOTEMPTY:
            return QStringLiteral("la cartella non è vuota");
        case EBUSY:
        case ETXTBSY:
            return QStringLiteral("in uso");
        case EMFILE:
        case ENFILE:
            return QStringLiteral("troppi file aperti");
        case ENOMEM:
            return QStringLiteral("memoria esaurita");
        case EIO:
            return QStringLiteral("errore di lettura o scrittura sul dispositivo");
        case EXDEV:
            return QStringLiteral("su un altro file system");
        default:
            return QStringLiteral("errore di sistema %1").arg(errorNumber);
    }
}

}  // namespace conteggo
