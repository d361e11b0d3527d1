#pragma once

#include <sys/types.h>

#include <QString>

namespace conteggo {

// Where one user's copies of the program meet: the instance lock and the verb socket lie in a
// folder only that user can enter, so no other user can put anything in their way.
struct RuntimeFolder {
    QString path;    // empty when no folder could be had
    QString error;   // then: one line naming the path and the reason
    QString notice;  // a candidate passed over, worth a line: the user's variable is wrong

    QString lockPath() const { return path + QStringLiteral("/conteggo.lock"); }
    QString socketPath() const { return path + QStringLiteral("/conteggo.socket"); }
};

// The places tried, in this order: the environment's runtime folder (XDG_RUNTIME_DIR), the
// system's per-user one (/run/user/UID), then a folder of the program's own (made when
// missing). Each must be an absolute path to a real directory (not a link), owned by `uid`,
// mode 0700, short enough for the socket's name.
struct RuntimePlaces {
    QString environment;
    QString perUser;
    QString ownFolder;
    uid_t uid = 0;
};

RuntimeFolder chooseRuntimeFolder(const RuntimePlaces& places);

// The places of this process: its user, its environment, "conteggo-UID" in the temporary folder.
RuntimeFolder findRuntimeFolder();

}  // namespace conteggo
