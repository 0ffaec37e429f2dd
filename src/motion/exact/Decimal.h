#pragma once

#include <compare>
#include <concepts>
#include <cstdint>

namespace tarvo::motion {

// An exact decimal number: a whole count of hundred-millionths. A program
// value or pulse equivalent in millimetres has at most 8 places after the
// point, so it is held without rounding; the internal units (tenths of a
// millimetre) derived from them have at most 7. Sums, differences and
// products by small whole numbers are exact too.
//
// Values read from texts lie within ±maxRead, below 10^9 mm: everything a
// nine-character program number can spell. What the machine derives in
// tenths from them (arc centres, points a radius and a step beyond them)
// stays below 3.5·10^10 tenths, 3.5·10^18 units, inside 64 bits; a sum of
// three squares of differences of such values stays below 6·10^37, inside
// the 127 bits of a signed Squared.
class Decimal {
public:
    static constexpr int places = 8;
    static constexpr std::int64_t one = 100'000'000;
    static constexpr std::int64_t maxRead = 99'999'999'999'999'999;  // 999999999.99999999

    constexpr Decimal() = default;
    // A whole number, exactly. Nothing converts from a double: that would round.
    template <std::integral T>
    constexpr Decimal(T whole) : units_(static_cast<std::int64_t>(whole) * one) {}
    static constexpr Decimal fromUnits(std::int64_t units) {
        Decimal d;
        d.units_ = units;
        return d;
    }

    // The count of hundred-millionths.
    constexpr std::int64_t units() const { return units_; }

    constexpr Decimal operator-() const { return fromUnits(-units_); }
    constexpr Decimal operator+(Decimal o) const { return fromUnits(units_ + o.units_); }
    constexpr Decimal operator-(Decimal o) const { return fromUnits(units_ - o.units_); }
    constexpr Decimal operator*(std::int64_t k) const { return fromUnits(units_ * k); }
    constexpr Decimal& operator+=(Decimal o) {
        units_ += o.units_;
        return *this;
    }
    constexpr Decimal& operator-=(Decimal o) {
        units_ -= o.units_;
        return *this;
    }
    friend constexpr auto operator<=>(Decimal, Decimal) = default;

    constexpr Decimal abs() const { return units_ < 0 ? -*this : *this; }

    // The nearest double, for drawing and read-outs only: nothing decides on it.
    double toDouble() const { return static_cast<double>(units_) / static_cast<double>(one); }

private:
    std::int64_t units_ = 0;
};

}  // namespace tarvo::motion
