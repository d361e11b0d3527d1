#pragma once

#include <QIcon>
#include <QPixmap>
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

// The picture at 1x, 2x and 3x: each screen gets the drawing closest to its pixels.
inline QIcon pictureIcon(const char* name, int size) {
    QIcon icon(picture(name, size));
    icon.addFile(picture(name, size, 2));
    icon.addFile(picture(name, size, 3));
    return icon;
}

// For a label: the picture `size` pixels across on a screen of `devicePixelRatio`.
inline QPixmap picturePixmap(const char* name, int size, qreal devicePixelRatio) {
    return pictureIcon(name, size).pixmap(QSize(size, size), devicePixelRatio);
}

}  // namespace conteggo
