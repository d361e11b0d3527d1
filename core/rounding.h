#pragma once

#include <cstdint>
#include <optional>

// Every conversion of a number to a whole number rounds to the nearest one, halves to the
// even neighbour. The remainder rounds both operands that way first.
namespace conteggo {

double roundHalfEven(double x);

// Nearest whole number as a 64-bit integer; NaN gives 0, values beyond the range saturate.
std::int64_t toInt64(double x);

// Remainder of the rounded operands, with the dividend's sign; no result when the divisor
// rounds to 0 or an operand is not finite.
std::optional<std::int64_t> remainder(double dividend, double divisor);

// Floor division for whole numbers (divisor > 0), used to count multiples crossed.
std::int64_t floorDiv(std::int64_t a, std::int64_t b);

}  // namespace conteggo
