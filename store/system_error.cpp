#include "system_error.h"

#include <QCoreApplication>
#include <cerrno>

namespace conteggo {

QString systemErrorText(int errorNumber) {
    switch (errorNumber) {
        case EACCES:
        case EPERM:
            return QCoreApplication::translate("conteggo::SystemError", "permesso negato");
        case ENOENT:
            return QCoreApplication::translate("conteggo::SystemError", "non esiste");
        case ENOTDIR:
            return QCoreApplication::translate("conteggo::SystemError",
                                               "una parte del percorso non è una cartella");
        case EISDIR:
            return QCoreApplication::translate("conteggo::SystemError", "è una cartella");
        case ELOOP:
            return QCoreApplication::translate("conteggo::SystemError",
                                               "troppi collegamenti simbolici");
        case ENAMETOOLONG:
            return QCoreApplication::translate("conteggo::SystemError", "nome troppo lungo");
        case ENOSPC:
            return QCoreApplication::translate("conteggo::SystemError",
                                               "spazio esaurito sul disco");
        case EDQUOT:
            return QCoreApplication::translate("conteggo::SystemError", "quota del disco superata");
        case EROFS:
            return QCoreApplication::translate("conteggo::SystemError",
                                               "file system in sola lettura");
        case EEXIST:
            return QCoreApplication::translate("conteggo::SystemError", "esiste già");
        case ENOTEMPTY:
            return QCoreApplication::translate("conteggo::SystemError", "la cartella non è vuota");
        case EBUSY:
        case ETXTBSY:
            return QCoreApplication::translate("conteggo::SystemError", "in uso");
        case EMFILE:
        case ENFILE:
            return QCoreApplication::translate("conteggo::SystemError", "troppi file aperti");
        case ENOMEM:
            return QCoreApplication::translate("conteggo::SystemError", "memoria esaurita");
        case EIO:
            return QCoreApplication::translate("conteggo::SystemError",
                                               "errore di lettura o scrittura sul dispositivo");
        case EXDEV:
            return QCoreApplication::translate("conteggo::SystemError", "su un altro file system");
        default:
            return QCoreApplication::translate("conteggo::SystemError", "errore di sistema %1")
                .arg(errorNumber);
    }
}

}  // namespace conteggo
