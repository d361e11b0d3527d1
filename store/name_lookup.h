#pragma once

#include <sys/stat.h>

#include <QString>

namespace conteggo {

// What lies at a name in a folder others may write to (a shared project folder, /tmp), looked
// at the way the program trusts it: the user's own symbolic links are followed (a count file
// kept in a synced folder), one that belongs to anybody else never is, whatever the kernel's
// own protection says.
struct NameLookup {
    enum class Kind {
        Missing,      // nothing there yet: `path` is where a new file goes
        Regular,      // a regular file at `path`
        Other,        // a folder, a device, a pipe, a socket at `path`
        ForeignLink,  // `path` is a link that belongs to another user
        Failed,       // the name cannot be looked at: `error` says why
    };
    Kind kind = Kind::Failed;
    QString path;         // the name given, or where the user's own links lead
    struct stat info {};  // what lstat found at `path`, for Regular and Other
    int error = 0;        // an errno value, for Failed
};

NameLookup lookUpName(const QString& path);

// Opens what a lookup found for reading, only when it is a regular file: never blocking (a pipe
// may have been put under the name since) and never through a link the lookup did not follow.
// A descriptor, or -1 with an errno value in `error` (ELOOP for another user's link, EINVAL
// when no regular file lies there).
int openForReading(const NameLookup& found, int& error);

// The same for a name: lookUpName, then openForReading.
int openForReading(const QString& path, int& error);

}  // namespace conteggo
