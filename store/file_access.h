#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace conteggo {

// One of the program's files, named by its path; a bare name is looked up in the working
// directory at each opening.
//
// Only a regular file (or a link to one) is read, so that a pipe or a device under the name
// can neither block the program nor feed it without end.
//
// A replacement goes to a temporary file beside the target, renamed over it only when complete,
// so a crash, a kill or a full disk never leaves an empty or partial file. It keeps the old
// file's mode and, where the system allows, its owner. A target that exists but is not a
// regular file (a folder, a device, a link to one) is left alone. On failure the old file stays
// as it was; one line naming the file and the reason goes to standard error, at the first
// failure after a successful save.
//
// A file that exists but that start-up could not read or make sense of is never replaced
// unseen: it is first kept aside, beside it, under a free name that says so
// ("conteggo.illeggibile.txt", then "conteggo.illeggibile-2.txt"...), with one line on
// standard error; until that has been done the file is not replaced.
class StoredFile {
  public:
    explicit StoredFile(QString path);

    const QString& path() const { return path_; }

    // The file's first bytes, enough for any reading; nothing when there is no regular file, or
    // when it cannot be read (it is then kept aside).
    std::optional<QByteArray> read();

    // Start-up could not make sense of `bytes`, the file's content, for the reason `why`. Unless
    // they hold nothing but blanks and line ends, the file is kept aside now.
    void notUnderstood(const QByteArray& bytes, const QString& why);

    // Replaces the file with `bytes`; false when the old file stays.
    bool replace(const QByteArray& bytes);

  private:
    void keepAside(const QString& why);
    std::optional<QString> moveAside(QString& whyNot);  // the name it now has

    QString path_;
    bool mustKeepAside_ = false;  // a file not understood still lies at the path
};

// The name a file not understood is kept under: "conteggo.txt" gives
// "conteggo.illeggibile.txt" for `number` 1, "conteggo.illeggibile-2.txt" for 2.
QString keptAsideName(const QString& path, int number);

}  // namespace conteggo
