#pragma once

#include <QByteArray>
#include <cstdint>
#include <optional>

#include "number.h"

class QIODevice;

namespace conteggo {

// Reads the fields of a file in the line encoding, one after the other. A UTF-8 byte-order mark
// at the start of the device is skipped. Blanks before a field
// are skipped; a field ends at a comma, a line end (CR LF, LF or CR) or the end of the file.
//
// Every read returns whether it succeeded, and a failed read leaves its target as it was. A read
// fails when no field is left or when the field does not suit the target. The work is bounded
// whatever the file holds: a field longer than kMaxFieldBytes fails and ends the reading, and no
// more than kMaxTotalBytes of the device are ever read.
class FieldReader {
  public:
    static constexpr qsizetype kMaxFieldBytes = 256;
    static constexpr qint64 kMaxTotalBytes = 4096;

    // A device that is null, not open or not readable has no fields.
    explicit FieldReader(QIODevice* device);

    // A number gives the narrowest of Int16, Int32 and Double that holds it exactly; an empty
    // field gives the empty number. Anything else fails: text, Boolean words, values beyond
    // the range of a double.
    bool readNumber(Number& target);

    // A number that rounds (halves to even) into -32768..32767.
    bool readInt16(std::int16_t& target);

    // A number that rounds (halves to even) into the 32-bit range.
    bool readInt32(std::int32_t& target);

    // "#TRUE#" or "#FALSE#", in any case. Numbers do not count as Booleans.
    bool readBoolean(bool& target);

  private:
    template <typename Int>
    bool readWhole(Int& target);
    std::optional<QByteArray> nextField();
    int peekByte();  // -1 at the end of the readable bytes
    int takeByte();

    QIODevice* device_;
    QByteArray chunk_;
    qsizetype chunkPos_ = 0;
    qint64 totalRead_ = 0;
    bool deviceEnded_ = false;  // nothing more to take from the device
    bool overLimit_ = false;    // the device ended for us at kMaxTotalBytes
    bool gaveUp_ = false;       // no field is read any more
};

}  // namespace conteggo
