#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A file's bytes as they are on disk, or "<missing>" when it cannot be read.
inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Writes the bytes as they stand; false when the file could not be written whole.
inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
