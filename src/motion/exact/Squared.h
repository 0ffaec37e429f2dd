#pragma once

#include <cmath>
#include <compare>
#include <concepts>

#include "motion/exact/Decimal.h"
#include "motion/exact/ExactRoot.h"
#include "motion/exact/Wide.h"

namespace tarvo::motion {

// The square of a Decimal, or a sum or difference of such squares, exact: a
// whole count of 1e-16 in 128 bits. Holds the arc deviation fm and squared
// distances, so the machine compares squares instead of taking roots.
class Squared {
public:
    static constexpr int places = 2 * Decimal::places;
    static constexpr Wide one = static_cast<Wide>(Decimal::one) * Decimal::one;

    constexpr Squared() = default;
    // A whole number, exactly.
    template <std::integral T>
    constexpr Squared(T whole)
        : units_(static_cast<Wide>(static_cast<WideUnsigned>(whole) *
                                   static_cast<WideUnsigned>(one))) {}
    static constexpr Squared fromUnits(Wide units) {
        Squared s;
        s.units_ = units;
        return s;
    }
    static constexpr Squared of(Decimal v) {
        return fromUnits(static_cast<Wide>(squareOf(v.units())));
    }

    constexpr Wide units() const { return units_; }

    constexpr Squared operator+(Squared o) const { return fromUnits(units_ + o.units_); }
    constexpr Squared operator-(Squared o) const { return fromUnits(units_ - o.units_); }
    friend constexpr auto operator<=>(Squared, Squared) = default;

    // Its square root, for texts and drawing only: the double nearest the
    // exact root (510 exactly for 510², 127.27922061357856 for 16200), the
    // same on every compiler. Only of a value that is not negative.
    double root() const { return nearestRoot(static_cast<WideUnsigned>(units_), one); }

private:
    Wide units_ = 0;
};

}  // namespace tarvo::motion
