#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "name_lookup.h"

namespace conteggo {

// Puts `bytes` in place of the file a lookup found (Regular, or Missing for a new one), trusting
// no step unchecked: a new file beside it, in the same folder, every byte written, synced and
// closed, and only then renamed over the old name; then the folder is synced, so the new name
// survives a power cut. Until the rename the old file stays exactly as it was, and the new one
// is removed again. The old file's mode is kept, and its owner where the system allows.
// Nothing when the file was replaced, else why not (an error of the folder's sync after the
// rename too: the new file is then in place, but perhaps not on disk).
std::optional<QString> replaceFile(const NameLookup& target, const QByteArray& bytes);

// Renames `from` to `to` only when nothing lies at `to`, and never by copying: 0, or an errno
// value (EEXIST when something is there).
int renameUnlessTaken(const QString& from, const QString& to);

}  // namespace conteggo
