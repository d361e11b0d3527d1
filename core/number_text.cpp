#include "number_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstring>

namespace conteggo {

std::string generalText(double value, char decimalPoint) {
    if (!std::isfinite(value)) {
        return {};
    }
    if (value == 0) {
        return "0";  // also for -0
    }
    // std::to_chars ignores the C locale, which a Qt program takes from the environment.
    std::array<char, 32> buffer{};
    auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                std::chars_format::general, 15);
    // Near the largest double, 15 digits round beyond the range and would never read back:
    // there the shortest exact text stands instead.
    double readBack = 0;
    if (std::from_chars(buffer.data(), result.ptr, readBack).ec == std::errc::result_out_of_range) {
        result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                               std::chars_format::general);
    }
    std::string text(buffer.data(), result.ptr);
    for (char& c : text) {
        if (c == 'e') {
            c = 'E';
        } else if (c == '.') {
            c = decimalPoint;
        }
    }
    return text;
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

std::optional<double> readWhole(std::string_view digits, int base) {
    double value = 0;
    for (char c : digits) {
        const int digit = std::isdigit(static_cast<unsigned char>(c))
                              ? c - '0'
                              : std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
        if (digit < 0 || digit >= base) {
            break;
        }
        value = value * base + digit;
    }
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// The longest prefix of `s` (blanks already gone) that is a decimal number, rewritten for
// std::from_chars: no "+" sign, "E" for the exponent.
std::string decimalPrefix(std::string_view s) {
    std::string number;
    std::size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        if (s[i] == '-') {
            number += '-';
        }
        ++i;
    }
    bool digits = false;
    bool point = false;
    for (; i < s.size(); ++i) {
        if (std::isdigit(static_cast<unsigned char>(s[i]))) {
            digits = true;
            number += s[i];
        } else if (s[i] == '.' && !point) {
            point = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!digits) {
        return {};
    }
    // An exponent counts only with at least one digit after its letter and sign.
    if (i < s.size() && std::strchr("EeDd", s[i]) != nullptr) {
        std::size_t j = i + 1;
        std::string exponent = "E";
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) {
            exponent += s[j] == '-' ? "-" : "";
            ++j;
        }
        const std::size_t firstDigit = j;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) {
            exponent += s[j++];
        }
        if (j > firstDigit) {
            number += exponent;
        }
    }
    return number;
}

constexpr long kBeyondAnyDouble = 100000;

// Roughly log10 of a decimal text as decimalPrefix makes it, enough to tell a value too large
// for a double from one too small.
long decimalMagnitude(std::string_view number) {
    const std::size_t e = number.find('E');
    const std::string_view mantissa = number.substr(0, e);
    long exponent = 0;
    if (e != std::string_view::npos) {
        const std::string_view digits = number.substr(e + 1);
        if (std::from_chars(digits.data(), digits.data() + digits.size(), exponent).ec !=
            std::errc()) {
            exponent = digits.starts_with('-') ? -kBeyondAnyDouble : kBeyondAnyDouble;
        }
        // Far beyond any double either way, and no overflow when the position is added.
        exponent = std::clamp(exponent, -kBeyondAnyDouble, kBeyondAnyDouble);
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) {
        return 0;
    }
    const long position =
        first < point ? static_cast<long>(point - first) : -static_cast<long>(first - point - 1);
    return position + exponent;
}

}  // namespace

std::optional<double> readLeadingNumber(std::string_view text) {
    std::string s(text);
    s.erase(std::remove_if(s.begin(), s.end(), isBlank), s.end());

    if (s.size() >= 2 && s[0] == '&') {
        const char prefix = static_cast<char>(std::toupper(static_cast<unsigned char>(s[1])));
        if (prefix == 'H' || prefix == 'O') {
            return readWhole(std::string_view(s).substr(2), prefix == 'H' ? 16 : 8);
        }
    }
    const std::string number = decimalPrefix(s);
    if (number.empty()) {
        return 0.0;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error == std::errc::result_out_of_range) {
        // Too small to hold reads as 0; too large has no result.
        return decimalMagnitude(number) <= 0 ? std::optional<double>(0.0) : std::nullopt;
    }
    return value;
}

}  // namespace conteggo
