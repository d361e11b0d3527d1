#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace conteggo {

// One of the program's files, named by its path; a bare name is looked up in the working
// directory at each opening.
//
// Only a regular file (or a link of the user's own to one) is read, so that a pipe or a device
// under the name can neither block the program nor feed it without end, and another user's
// link can lead it nowhere (see NameLookup).
//
// A replacement goes through replaceFile, so a crash, a kill, a full disk or a failing one
// never leaves an empty, partial or unsynced file in place of the old one. A target that exists
// but is not a regular file (a folder, a device, a link to one) is left alone. On failure the
// old file stays as it was; one line naming the file and the reason goes to standard error,
// at the first failure after a successful save.
//
// A file that exists but that start-up could not read or make sense of (a read that failed
// included, and another user's link) is never replaced unseen: it is first kept aside, beside
// it, under a free name that says so ("conteggo.illeggibile.txt", then
// "conteggo.illeggibile-2.txt"...), with one line on standard error. Keeping aside is a rename
// and never a copy; until it has been done the file is not replaced.
class StoredFile {
  public:
    explicit StoredFile(QString path);

    const QString& path() const { return path_; }

    // The file's first bytes, enough for any reading; nothing when there is no regular file, or
    // when it cannot be read (it is then kept aside). Never blocks on what lies at the name.
    std::optional<QByteArray> read();

    // Start-up could not make sense of `bytes`, the file's content, for the reason `why`. Unless
    // they hold nothing but blanks and line ends, the file is kept aside now.
    void notUnderstood(const QByteArray& bytes, const QString& why);

    // Replaces the file with `bytes`; false when the old file stays.
    bool replace(const QByteArray& bytes);

  private:
    void keepAside(const QString& what, const QString& why);
    std::optional<QString> moveAside(QString& whyNot);  // the name it now has

    QString path_;
    QString read_;       // where the last read found the file: path_, or its link's target
    QString keepAside_;  // a file not understood that still lies there; empty when none
};

// The name a file not understood is kept under: "conteggo.txt" gives
// "conteggo.illeggibile.txt" for `number` 1, "conteggo.illeggibile-2.txt" for 2.
QString keptAsideName(const QString& path, int number);

}  // namespace conteggo
