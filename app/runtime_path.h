#pragma once

#include <QString>

namespace conteggo {

// Where one user's copies of the program meet (the instance lock, the verb socket):
// "conteggo.SUFFIX" in the user's runtime folder, or "conteggo-UID.SUFFIX" in the temporary
// folder when there is no runtime folder.
QString runtimeFilePath(const QString& suffix);

}  // namespace conteggo
