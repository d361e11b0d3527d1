#include "system_error.h"

#include <QCoreApplication>
#include <cerrno>

namespace conteggo {

QString systemErrorText(int errorNumber) {
    switch (errorNumber) {
        case EACCES:
        case EPERM:
            return QCoreApplication::translate("SystemError", "permesso negato");
        case ENOENT:
            return QCoreApplication::translate("SystemError", "non esiste");
        case ENOTDIR:
            return QCoreApplication::translate("SystemError",
                                               "una parte del percorso non è una cartella");
        case EISDIR:
            return QCoreApplication::translate("SystemError", "è una cartella");
        case ELOOP:
            return QCoreApplication::translate("SystemError", "troppi collegamenti simbolici");
        case ENAMETOOLONG:
            return QCoreApplication::translate("SystemError", "nome troppo lungo");
        case ENOSPC:
            return QCoreApplication::translate("SystemError", "spazio esaurito sul disco");
        case EDQUOT:
            return QCoreApplication::translate("SystemError", "quota del disco superata");
        case EROFS:
            return QCoreApplication::translate("SystemError", "file system in sola lettura");
        case EEXIST:
            return QCoreApplication::translate("SystemError", "esiste già");
        case ENOTEMPTY:
            return QCoreApplication::translate("SystemError", "la cartella non è vuota");
        case EBUSY:
        case ETXTBSY:
            return QCoreApplication::translate("SystemError", "in uso");
        case EMFILE:
        case ENFILE:
            return QCoreApplication::translate("SystemError", "troppi file aperti");
        case ENOMEM:
            return QCoreApplication::translate("SystemError", "memoria esaurita");
        case EIO:
            return QCoreApplication::translate("SystemError",
                                               "errore di lettura o scrittura sul dispositivo");
        case EXDEV:
            return QCoreApplication::translate("SystemError", "su un altro file system");
        default:
            return QCoreApplication::translate("SystemError", "errore di sistema %1")
                .arg(errorNumber);
    }
}

}  // namespace conteggo
