#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "motion/exact/Decimal.h"

namespace tarvo::motion {

// The whole number nearest n / d (d > 0), halves to the even neighbour, exactly.
constexpr std::int64_t roundHalfEven(std::int64_t n, std::int64_t d) {
    std::int64_t q = n / d, rest = n % d;
    if (rest < 0) {  // floor, so that rest lies in [0, d)
        --q;
        rest += d;
    }
    if (2 * rest > d || (2 * rest == d && q % 2 != 0)) ++q;
    return q;
}

// The machine's rounding of an exact value to a whole number.
constexpr std::int64_t roundHalfEven(Decimal value) {
    return roundHalfEven(value.units(), Decimal::one);
}

// The machine converts doubles to integers to the nearest, halves to the even
// neighbour (2.5 -> 2, 3.5 -> 4). nearbyint does exactly that in the default
// floating-point environment, which the core never changes.
inline double roundHalfEven(double value) {
    return std::nearbyint(value);
}

// A rounded value held in a register wider than the 16 bits of the original
// controller, so long moves keep counting; saturates instead of overflowing.
inline std::int64_t toWide(double value) {
    constexpr double limit = 9.0e18;
    const double rounded = roundHalfEven(value);
    if (!(rounded > -limit)) return -static_cast<std::int64_t>(limit);
    if (rounded > limit) return static_cast<std::int64_t>(limit);
    return static_cast<std::int64_t>(rounded);
}

// The 16-bit conversion of parameter texts (magnification): nothing when the
// rounded value does not fit.
inline std::optional<std::int16_t> toInt16(double value) {
    const double rounded = roundHalfEven(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max())) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace tarvo::motion
