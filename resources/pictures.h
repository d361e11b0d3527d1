#pragma once

#include <QString>

namespace conteggo {

// The resource path of one of the program's pictures, drawn at `size` pixels.
inline QString picture(const char* name, int size) {
    return QStringLiteral(":/pictures/%1_%2.png").arg(QLatin1String(name)).arg(size);
}

// The same picture drawn at `scale` times its size, for screens with that many pixels to
// one of the layout's.
inline QString picture(const char* name, int size, int scale) {
    return QStringLiteral(":/pictures/%1_%2@%3x.png").arg(QLatin1String(name)).arg(size).arg(scale);
}

}  // namespace conteggo
