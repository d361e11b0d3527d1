#include "line_encoding.h"

#include "number_text.h"

namespace conteggo {

namespace {

const QByteArray kLineEnd = QByteArrayLiteral("\r\n");

}  // namespace

QByteArray encodeLine(const Number& value) {
    switch (value.kind()) {
        case Number::Kind::Empty:
            return kLineEnd;
        case Number::Kind::Int16:
        case Number::Kind::Int32:
            return QByteArray::number(value.toInt32()) + kLineEnd;
        case Number::Kind::Double:
            // The general format at 15 digits, "." whatever the regional settings.
            return QByteArray::fromStdString(generalText(value.toDouble())) + kLineEnd;
    }
    return kLineEnd;
}

QByteArray encodeBooleanLine(bool value) {
    return (value ? QByteArrayLiteral("#TRUE#") : QByteArrayLiteral("#FALSE#")) + kLineEnd;
}

}  // namespace conteggo
