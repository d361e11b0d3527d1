#include "count_file.h"

#include <QFile>
#include <utility>

#include "field_reader.h"
#include "file_access.h"
#include "line_encoding.h"

namespace conteggo {

std::optional<Number> readCount(QIODevice* device) {
    FieldReader reader(device);
    Number count;
    if (!reader.readNumber(count)) {
        return std::nullopt;
    }
    return count;
}

CountFile::CountFile(QString path) : path_(std::move(path)) {}

std::optional<Number> CountFile::load() const {
    QFile file;
    openForReading(file, path_);
    return readCount(&file);
}

bool CountFile::save(const Number& count) const {
    return replaceFile(path_, [&] { return encodeLine(count); });
}

}  // namespace conteggo
