#include "position_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <algorithm>
#include <limits>
#include <utility>

#include "field_reader.h"
#include "line_encoding.h"
#include "rounding.h"

namespace conteggo {

namespace {

// 32 bits hold every place on any real desktop; a minimised window may report a place far
// beyond, and the nearest value that fits keeps the rest of the file, and the closing, going.
// Values within 16 bits are written as before.
Number twipsLine(double twips) {
    const std::int64_t whole =
        std::clamp<std::int64_t>(toInt64(twips), std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max());
    if (whole >= std::numeric_limits<std::int16_t>::min() &&
        whole <= std::numeric_limits<std::int16_t>::max()) {
        return Number::int16(static_cast<std::int16_t>(whole));
    }
    return Number::int32(static_cast<std::int32_t>(whole));
}

}  // namespace

void PositionReading::applyTo(AlarmSettings& settings) const {
    if (intervallo) {
        settings.intervallo = *intervallo;
    }
    if (anticipo) {
        settings.anticipo = *anticipo;
    }
    if (allarme) {
        settings.allarme = *allarme;
    }
}

QByteArray encodePositions(double topTwips, double leftTwips, const AlarmSettings& alarm) {
    return encodeLine(twipsLine(topTwips)) + encodeLine(twipsLine(leftTwips)) +
           encodeLine(alarm.intervallo) + encodeLine(Number::int16(alarm.anticipo)) +
           encodeBooleanLine(alarm.on());
}

PositionReading readPositions(QIODevice* device) {
    FieldReader reader(device);
    PositionReading r;
    // A failed read leaves 0, which places the window at the corner.
    r.firstLineRead = reader.readInt32(r.i);
    r.fileTop = r.i;
    if (r.i < 0) {
        // The window's place and the alarm stay at their defaults; line 2 is only kept.
        r.fileLeft = r.i;
        reader.readInt32(r.fileLeft);
        return r;
    }
    r.top = r.i;
    reader.readInt32(r.i);  // a failed read leaves the top value
    r.left = r.i;
    r.fileLeft = r.i;

    Number intervallo;
    if (reader.readNumber(intervallo)) {
        r.intervallo = intervallo;
    }
    std::int16_t anticipo = 0;
    if (reader.readInt16(anticipo)) {
        r.anticipo = anticipo;
    }
    bool allarme = false;
    if (reader.readBoolean(allarme)) {
        r.allarme = allarme ? -1 : 0;
    }
    return r;
}

PositionFile::PositionFile(QString path) : file_(std::move(path)) {}

PositionReading PositionFile::load() {
    const std::optional<QByteArray> bytes = file_.read();
    QBuffer buffer;
    if (bytes) {
        buffer.setData(*bytes);
        buffer.open(QIODevice::ReadOnly);
    }
    PositionReading reading = readPositions(bytes ? &buffer : nullptr);
    if (bytes && !reading.firstLineRead) {
        file_.notUnderstood(*bytes,
                            QCoreApplication::translate("conteggo::PositionFile",
                                                        "la prima riga non è un numero intero"));
    }
    linesRead_ = QPointF(reading.fileLeft, reading.fileTop);
    return reading;
}

bool PositionFile::save(const std::optional<QPointF>& placeTwips, const AlarmSettings& alarm) {
    const QPointF place = placeTwips.value_or(linesRead_);
    return file_.replace(encodePositions(place.y(), place.x(), alarm));
}

}  // namespace conteggo
