#pragma once

#include <bit>
#include <cstdint>

namespace tarvo::motion {

// 128-bit integers for the squares of exact values (a GNU extension).
__extension__ typedef __int128 Wide;
__extension__ typedef unsigned __int128 WideUnsigned;

// |v|, without overflow even for the most negative value.
constexpr WideUnsigned magnitude(Wide v) {
    const auto u = static_cast<WideUnsigned>(v);
    return v < 0 ? -u : u;
}

// v², exact. Multiplied unsigned, so a sanitizer build checks no 128-bit
// signed product (which would need a routine the GNU runtime lacks); |v|
// fits 64 bits, so the product is one 64 × 64 multiplication.
constexpr WideUnsigned squareOf(std::int64_t v) {
    const std::uint64_t m =
        v < 0 ? 0 - static_cast<std::uint64_t>(v) : static_cast<std::uint64_t>(v);
    return static_cast<WideUnsigned>(m) * m;
}

// The count of bits of v, up to its highest 1.
constexpr int bitLength(WideUnsigned v) {
    const auto high = static_cast<std::uint64_t>(v >> 64);
    if (high != 0) return 128 - std::countl_zero(high);
    return 64 - std::countl_zero(static_cast<std::uint64_t>(v));
}

// Whether a·b ≥ c·d, exactly, for products up to 256 bits. Products that fit
// 128 bits, as those of a table's figures mostly do, are compared at once.
bool wideProductAtLeast(WideUnsigned a, WideUnsigned b, WideUnsigned c, WideUnsigned d);
inline bool productAtLeast(WideUnsigned a, WideUnsigned b, WideUnsigned c, WideUnsigned d) {
    if (bitLength(a) + bitLength(b) <= 128 && bitLength(c) + bitLength(d) <= 128) {
        return a * b >= c * d;
    }
    return wideProductAtLeast(a, b, c, d);
}

}  // namespace tarvo::motion
