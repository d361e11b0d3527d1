#pragma once

#include <QByteArray>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <optional>

#include "alarm.h"
#include "file_access.h"
#include "number.h"

class QIODevice;

namespace conteggo {

// What start-up takes from the position and alarm file. A value that is absent keeps its
// default: the window its initial place, the alarm settings theirs.
struct PositionReading {
    std::optional<std::int32_t> top;  // twips
    std::optional<std::int32_t> left;
    std::optional<Number> intervallo;  // may be empty, which the alarm treats as 0
    std::optional<std::int16_t> anticipo;
    std::optional<std::int16_t> allarme;  // True = -1, False = 0
    std::int32_t i = 0;                   // the window's scratch value as the reading left it
    bool firstLineRead = false;           // line 1 held a whole number

    // Lines 1 and 2 as found, also when the first is negative.
    std::int32_t fileTop = 0;
    std::int32_t fileLeft = 0;

    void applyTo(AlarmSettings& settings) const;  // the settings the file supplied
};

// The five lines: top and left in twips (rounded, halves to even, and held to the 32-bit
// range), the interval as its kind writes it, the advance, the alarm as a Boolean word.
QByteArray encodePositions(double topTwips, double leftTwips, const AlarmSettings& alarm);

// Reads the lines in the order start-up has always used, through the scratch value `i`: a
// negative first line (the window was above the screen) leaves everything else unread; a line
// that is missing or does not fit leaves its value absent, except the left edge, which then
// takes whatever `i` still holds (the top, or 0 when even that was missing).
PositionReading readPositions(QIODevice* device);

// "timerpos.txt": the main window's place and the alarm settings, looked up like CountFile.
class PositionFile {
  public:
    explicit PositionFile(QString path = QStringLiteral("timerpos.txt"));

    const QString& path() const { return file_.path(); }

    // A file whose first line is not a whole number is kept aside before it is first replaced.
    PositionReading load();

    // The window's place in twips (x the left edge, y the top) and the alarm. Where the
    // platform tells no place, lines 1 and 2 go back as the last load found them, so the place
    // is not lost.
    bool save(const std::optional<QPointF>& placeTwips, const AlarmSettings& alarm);

  private:
    StoredFile file_;
    QPointF linesRead_;  // lines 2 and 1 as the last load found them
};

}  // namespace conteggo
