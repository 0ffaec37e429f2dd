#pragma once

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace tarvo::views {

// std::nextafter(u, to) for a finite u, worked out on the float's bits: the
// pixel trail steps a float or two at a time, and a call into the maths
// library for each step cost more than all else it does there.
inline float nextFloat(float u, float to) {
    if (u == to || std::isnan(to)) return to;
    if (u == 0) return std::copysign(std::numeric_limits<float>::denorm_min(), to);
    std::uint32_t bits = 0;
    std::memcpy(&bits, &u, sizeof bits);
    // Away from zero the magnitude, and so the bits, grow.
    bits = (u < to) == (u > 0) ? bits + 1 : bits - 1;
    std::memcpy(&u, &bits, sizeof u);
    return u;
}

}  // namespace tarvo::views
