#pragma once

#include <QString>

namespace conteggo {

// The resource path of one of the program's pictures, drawn at `size` pixels.
inline QString picture(const char* name, int size) {
    return QStringLiteral(":/pictures/%1_%2.png").arg(QLatin1String(name)).arg(size);
}

}  // namespace conteggo
