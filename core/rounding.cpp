#include "rounding.h"

#include <cmath>
#include <limits>

namespace conteggo {

double roundHalfEven(double x) {
    if (!std::isfinite(x)) {
        return x;
    }
    const double nearest = std::round(x);  // halves away from zero
    if (std::fabs(x - std::trunc(x)) == 0.5) {
        return 2.0 * std::round(x / 2.0);
    }
    return nearest;
}

std::int64_t toInt64(double x) {
    if (std::isnan(x)) {
        return 0;
    }
    const double r = roundHalfEven(x);
    // 2^63 is exactly representable; anything at or beyond it saturates.
    constexpr double limit = 9223372036854775808.0;
    if (r >= limit) {
        return std::numeric_limits<std::int64_t>::max();
    }
    if (r < -limit) {
        return std::numeric_limits<std::int64_t>::min();
    }
    return static_cast<std::int64_t>(r);
}

namespace {

struct Operands {
    std::int64_t dividend;
    std::int64_t divisor;
};

std::optional<Operands> roundedOperands(double dividend, double divisor) {
    if (!std::isfinite(dividend) || !std::isfinite(divisor)) {
        return std::nullopt;
    }
    const std::int64_t d = toInt64(divisor);
    if (d == 0) {
        return std::nullopt;
    }
    return Operands{toInt64(dividend), d};
}

}  // namespace

std::optional<std::int64_t> remainder(double dividend, double divisor) {
    const auto ops = roundedOperands(dividend, divisor);
    if (!ops) {
        return std::nullopt;
    }
    if (ops->divisor == -1) {
        return 0;
    }
    return ops->dividend % ops->divisor;  // C++ keeps the dividend's sign
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}

}  // namespace conteggo
