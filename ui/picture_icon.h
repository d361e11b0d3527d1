#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>
#include <utility>

namespace conteggo {

// The program's pictures as icons, read only when a size is asked for, and read as the PNG
// files they are: Qt's own icon loading asks every image plugin (GIF, ICO, JPEG) whether it can
// read each file, which loads all of them into the program.

// An icon of the drawings given, each a resource path with its size in pixels: a size asked for
// takes the smallest drawing at least that large, scaled down where needed, so a screen of two
// or three pixels to one of the layout's gets a drawing of its own.
QIcon drawnIcon(QList<std::pair<QString, int>> drawings);

// The picture at 1x, 2x and 3x.
QIcon pictureIcon(const char* name, int size);

// For a label: the picture `size` pixels across on a screen of `devicePixelRatio`.
QPixmap picturePixmap(const char* name, int size, qreal devicePixelRatio);

}  // namespace conteggo
