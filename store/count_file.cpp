#include "count_file.h"

#include <QFile>
#include <utility>

#include "field_reader.h"
#include "file_access.h"
#include "line_encoding.h"
#include "stopwatch.h"

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

bool CountFile::save(const Stopwatch& stopwatch, const Clock& clock) const {
    const double reading = clock.reading();
    return replaceFile(path_, [&] { return encodeLine(stopwatch.valueToSave(reading)); });
}

bool CountFile::saveValue(const Number& value) const {
    return replaceFile(path_, [&] { return encodeLine(value); });
}

}  // namespace conteggo
