#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace conteggo {

// The general number format: the shortest text with at most 15 significant digits, no
// grouping, `decimalPoint` as the point, and exponent form ("1E+15", "1E-05") for magnitudes
// from 10^15 up or below 10^-4. Zero is "0"; a value that is not finite gives an empty text.
std::string generalText(double value, char decimalPoint = '.');

// Leading-number reading: blanks (space, tab, line feed) are skipped wherever they stand; then
// an optional sign, digits, at most one "." and an optional exponent (E or D) are taken, or
// after "&H" / "&O" a hexadecimal / octal whole number. Reading stops at the first character
// that fits none of these; text without a leading number reads as 0. A comma is never a
// decimal point. A value beyond the range of a double has no result.
std::optional<double> readLeadingNumber(std::string_view text);

}  // namespace conteggo
