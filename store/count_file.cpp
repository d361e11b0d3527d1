#include "count_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <utility>

#include "field_reader.h"
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

CountFile::CountFile(QString path) : file_(std::move(path)) {}

std::optional<Number> CountFile::load() {
    std::optional<QByteArray> bytes = file_.read();
    if (!bytes) {
        return std::nullopt;
    }
    QBuffer buffer(&*bytes);
    buffer.open(QIODevice::ReadOnly);
    const std::optional<Number> count = readCount(&buffer);
    // An empty first field is the empty count, as a blank line is written; with more behind
    // it, something else was meant.
    if (!count || count->isEmpty()) {
        file_.notUnderstood(*bytes, QCoreApplication::translate("conteggo::CountFile",
                                                                "non comincia con un numero"));
    }
    return count;
}

bool CountFile::save(const Number& count) {
    return file_.replace(encodeLine(count));
}

}  // namespace conteggo
