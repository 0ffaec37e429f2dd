#pragma once

#include <bit>
#include <cstdint>

namespace tarvo::motion {

// The width N of a DDA's remainder registers, its capacity 2^N. A segment
// needs 2^N above its largest integrand (a line's largest increment, an
// arc's radius), or a register would overflow more than once an iteration;
// the smallest such N is its automatic width. A teacher may choose a wider
// one, as textbooks do to show a machine's fixed registers: a chosen N
// below what a segment needs gives way to the automatic one there, so the
// segment still ends on its end point.
inline constexpr int widestRegister = 32;

// The width a segment uses: `largest` in pulses (0 … 10⁹), `chosen` 0 for
// automatic or 1 … widestRegister. Throws std::invalid_argument, its message
// in Chinese, for a chosen width outside that range.
int registerBits(std::int64_t largest, int chosen);

// N of a capacity 2^N.
constexpr int bitsOfCapacity(std::int64_t capacity) {
    return std::countr_zero(static_cast<std::uint64_t>(capacity));
}

}  // namespace tarvo::motion
