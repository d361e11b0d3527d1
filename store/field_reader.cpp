#include "field_reader.h"

#include <QIODevice>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

#include "rounding.h"

namespace conteggo {

namespace {

constexpr qint64 kChunkBytes = 512;

bool isBlank(int c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Skips a run of digits from `pos`; returns how many there were.
std::size_t skipDigits(std::string_view s, std::size_t& pos) {
    const std::size_t start = pos;
    while (pos < s.size() && isDigit(s[pos])) {
        ++pos;
    }
    return pos - start;
}

// Only plain decimal forms: [+-] digits [. digits] [E [+-] digits], with digits on at least
// one side of the point. This keeps out what std::from_chars would also take (inf, nan, hex).
bool isNumericText(std::string_view s) {
    std::size_t pos = 0;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
        ++pos;
    }
    std::size_t digits = skipDigits(s, pos);
    if (pos < s.size() && s[pos] == '.') {
        ++pos;
        digits += skipDigits(s, pos);
    }
    if (digits == 0) {
        return false;
    }
    if (pos < s.size() && (s[pos] == 'E' || s[pos] == 'e')) {
        ++pos;
        if (pos < s.size() && (s[pos] == '+' || s[pos] == '-')) {
            ++pos;
        }
        if (skipDigits(s, pos) == 0) {
            return false;
        }
    }
    return pos == s.size();
}

// The value of a numeric field, or nothing for any other text or a value a double cannot hold.
std::optional<double> parseNumeric(const QByteArray& field) {
    std::string_view text(field.constData(), static_cast<std::size_t>(field.size()));
    if (!isNumericText(text)) {
        return std::nullopt;
    }
    if (text.front() == '+') {
        text.remove_prefix(1);  // from_chars takes only a minus sign
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;  // beyond the range of a double, in either direction
    }
    return value;
}

}  // namespace

FieldReader::FieldReader(QIODevice* device)
    : device_(device), gaveUp_(device == nullptr || !device->isReadable()) {}

int FieldReader::peekByte() {
    while (chunkPos_ == chunk_.size()) {
        if (deviceEnded_) {
            return -1;
        }
        const qint64 room = kMaxTotalBytes - totalRead_;
        if (room <= 0) {
            overLimit_ = true;
            deviceEnded_ = true;
            return -1;
        }
        chunk_ = device_->read(std::min(kChunkBytes, room));
        // Some editors start a UTF-8 file with a byte-order mark; it is no part of a field.
        chunkPos_ = totalRead_ == 0 && chunk_.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        totalRead_ += chunk_.size();
        if (chunk_.isEmpty()) {  // end of the file, or a device that cannot be read
            deviceEnded_ = true;
            return -1;
        }
    }
    return static_cast<unsigned char>(chunk_[chunkPos_]);
}

int FieldReader::takeByte() {
    const int c = peekByte();
    if (c >= 0) {
        ++chunkPos_;
    }
    return c;
}

std::optional<QByteArray> FieldReader::nextField() {
    if (gaveUp_) {
        return std::nullopt;
    }
    qsizetype length = 0;  // blanks before the field count too, so they are bounded as well
    while (isBlank(peekByte())) {
        takeByte();
        if (++length > kMaxFieldBytes) {
            gaveUp_ = true;
            return std::nullopt;
        }
    }
    if (peekByte() < 0) {
        return std::nullopt;  // no field left
    }
    QByteArray field;
    int c = takeByte();
    for (; c >= 0 && c != ',' && c != '\n' && c != '\r'; c = takeByte()) {
        if (++length > kMaxFieldBytes) {
            gaveUp_ = true;  // whatever follows cannot be trusted to be a field
            return std::nullopt;
        }
        field.append(static_cast<char>(c));
    }
    if (c == '\r' && peekByte() == '\n') {
        takeByte();
    }
    if (c < 0 && overLimit_) {
        return std::nullopt;  // cut off by the limit, not ended by the file
    }
    while (!field.isEmpty() && isBlank(field.back())) {
        field.chop(1);
    }
    return field;
}

bool FieldReader::readNumber(Number& target) {
    const auto field = nextField();
    if (!field) {
        return false;
    }
    if (field->isEmpty()) {
        target = Number();
        return true;
    }
    const auto value = parseNumeric(*field);
    if (!value) {
        return false;
    }
    target = Number::narrowest(*value);
    return true;
}

template <typename Int>
bool FieldReader::readWhole(Int& target) {
    const auto field = nextField();
    const auto value = field ? parseNumeric(*field) : std::nullopt;
    if (!value) {
        return false;
    }
    const double rounded = roundHalfEven(*value);
    if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) {
        return false;
    }
    target = static_cast<Int>(rounded);
    return true;
}

bool FieldReader::readInt16(std::int16_t& target) {
    return readWhole(target);
}

bool FieldReader::readInt32(std::int32_t& target) {
    return readWhole(target);
}

bool FieldReader::readBoolean(bool& target) {
    const auto field = nextField();
    if (!field) {
        return false;
    }
    const QByteArray word = field->toUpper();
    if (word == "#TRUE#" || word == "#FALSE#") {
        target = word == "#TRUE#";
        return true;
    }
    return false;
}

}  // namespace conteggo
