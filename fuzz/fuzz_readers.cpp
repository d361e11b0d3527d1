// Any bytes at all, as the two files at start-up: nothing may crash, leak or hang, and whatever
// number is read must survive being written and read again.

#include <QBuffer>
#include <QByteArray>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "count_file.h"
#include "field_reader.h"
#include "line_encoding.h"
#include "position_file.h"

using namespace conteggo;

namespace {

QByteArray reread(const QByteArray& line) {
    QByteArray bytes = line;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const auto n = readCount(&buffer);
    return n ? encodeLine(*n) : QByteArray("<lost>");
}

// Once written, a number keeps its text: 15 digits are all the file holds.
void checkStable(const Number& n) {
    const QByteArray line = encodeLine(n);
    if (reread(line) != line) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    QBuffer count;
    count.setData(bytes);
    count.open(QIODevice::ReadOnly);
    if (const auto n = readCount(&count)) {
        checkStable(*n);
    }

    QBuffer positions;
    positions.setData(bytes);
    positions.open(QIODevice::ReadOnly);
    const PositionReading r = readPositions(&positions);
    if (r.intervallo) {
        checkStable(*r.intervallo);
    }
    AlarmSettings settings;
    r.applyTo(settings);
    // A place read comes back the same through a closing and the next start-up.
    QBuffer again;
    again.setData(encodePositions(r.top.value_or(0), r.left.value_or(0), settings));
    again.open(QIODevice::ReadOnly);
    const PositionReading back = readPositions(&again);
    if (back.top.value_or(0) != r.top.value_or(0) || back.left.value_or(0) != r.left.value_or(0)) {
        std::abort();
    }

    // Every kind of read, in turn, to the end of the input.
    QBuffer mixed;
    mixed.setData(bytes);
    mixed.open(QIODevice::ReadOnly);
    FieldReader reader(&mixed);
    std::int16_t i = 0;
    std::int32_t wide = 0;
    bool b = false;
    Number n;
    for (int k = 0; k < 64; ++k) {
        if (k % 4 == 0) {
            reader.readInt16(i);
        } else if (k % 4 == 3) {
            reader.readInt32(wide);
        } else if (k % 4 == 1) {
            reader.readBoolean(b);
        } else if (reader.readNumber(n)) {
            checkStable(n);
        }
    }
    return 0;
}
