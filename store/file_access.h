#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QFile;

namespace conteggo {

// Opens `file` on `path` for reading when that is a regular file (or a link to one). Anything
// else stays closed, so that a pipe or a terminal under the name cannot block the program; a
// closed file simply has no fields.
bool openForReading(QFile& file, const QString& path);

// Replaces the file at `path` with the bytes `content` gives, which is called once the file is
// open for writing. The bytes go to a temporary file beside the target, renamed over it only
// when complete, so a crash, a kill or a full disk never leaves an empty or partial file.
//
// A target that exists but is not a regular file (a folder, a device, a link to one) is left
// alone. On failure the old file stays as it was and the result is false; one line naming the
// file and the reason goes to standard error, at the first failure after a successful save.
bool replaceFile(const QString& path, const std::function<QByteArray()>& content);

}  // namespace conteggo
