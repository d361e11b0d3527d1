#pragma once

#include <cstdint>
#include <variant>

namespace conteggo {

// A number stored with its kind. The kind decides how sums behave and how the number is
// written to the program's files: integers as plain digits, doubles to 15 significant digits.
class Number {
  public:
    enum class Kind { Empty, Int16, Int32, Double };

    Number() = default;  // empty: never assigned
    static Number int16(std::int16_t v) { return Number(v); }
    static Number int32(std::int32_t v) { return Number(v); }
    static Number real(double v) { return Number(v); }
    // The narrowest of Int16, Int32 and Double, no narrower than `atLeast`, that holds `v`
    // exactly.
    static Number narrowest(double v, Kind atLeast = Kind::Int16);

    Kind kind() const { return static_cast<Kind>(value_.index()); }
    bool isEmpty() const { return kind() == Kind::Empty; }

    // The value as a double; empty counts as 0.
    double toDouble() const;

    // Nearest 32-bit integer, halves to even; out-of-range values saturate, NaN gives 0.
    std::int32_t toInt32() const;

    // Kind rules: the wider of Int16 < Int32 < Double; an empty operand counts as 0 and the
    // result takes the other operand's kind; two empty operands give the 16-bit integer 0.
    // An integer sum that overflows its kind moves up to the next wider kind.
    friend Number operator+(const Number& a, const Number& b);
    friend Number operator-(const Number& a, const Number& b);

    // Same kind and same value.
    friend bool operator==(const Number& a, const Number& b) = default;

  private:
    explicit Number(std::int16_t v) : value_(v) {}
    explicit Number(std::int32_t v) : value_(v) {}
    explicit Number(double v) : value_(v) {}

    std::variant<std::monostate, std::int16_t, std::int32_t, double> value_;
};

}  // namespace conteggo
