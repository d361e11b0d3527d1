#include "number.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "rounding.h"

namespace conteggo {

double Number::toDouble() const {
    return std::visit(
        [](auto v) -> double {
            if constexpr (std::is_same_v<decltype(v), std::monostate>) {
                return 0.0;
            } else {
                return static_cast<double>(v);
            }
        },
        value_);
}

Number Number::narrowest(double v, Kind atLeast) {
    if (v == std::trunc(v)) {
        if (atLeast <= Kind::Int16 && v >= std::numeric_limits<std::int16_t>::min() &&
            v <= std::numeric_limits<std::int16_t>::max()) {
            return int16(static_cast<std::int16_t>(v));
        }
        if (atLeast <= Kind::Int32 && v >= std::numeric_limits<std::int32_t>::min() &&
            v <= std::numeric_limits<std::int32_t>::max()) {
            return int32(static_cast<std::int32_t>(v));
        }
    }
    return real(v);
}

std::int32_t Number::toInt32() const {
    const std::int64_t wide = toInt64(toDouble());
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        wide, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

namespace {

Number combine(const Number& a, const Number& b, int sign) {
    if (a.isEmpty() && b.isEmpty()) {
        return Number::int16(0);
    }
    const Number::Kind kind = std::max(a.kind(), b.kind());  // empty ranks lowest
    if (kind == Number::Kind::Double) {
        return Number::real(a.toDouble() + sign * b.toDouble());
    }
    // Both are integers (or empty): the exact sum fits 64 bits.
    const auto ia = static_cast<std::int64_t>(a.toDouble());
    const auto ib = static_cast<std::int64_t>(b.toDouble());
    return Number::narrowest(static_cast<double>(ia + sign * ib), kind);
}

}  // namespace

Number operator+(const Number& a, const Number& b) {
    return combine(a, b, +1);
}
Number operator-(const Number& a, const Number& b) {
    return combine(a, b, -1);
}

}  // namespace conteggo
