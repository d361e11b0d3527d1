#include "runtime_path.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>

namespace conteggo {

QString runtimeFilePath(const QString& suffix) {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        return QDir(runtime).filePath(QStringLiteral("conteggo.") + suffix);
    }
    return QDir(QDir::tempPath())
        .filePath(QStringLiteral("conteggo-%1.%2").arg(getuid()).arg(suffix));
}

}  // namespace conteggo
