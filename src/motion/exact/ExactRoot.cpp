#include "motion/exact/ExactRoot.h"

#include <cmath>
#include <cstdint>

namespace tarvo::motion {

namespace {

int bitLength(WideUnsigned v) {
    int bits = 0;
    for (; v != 0; v >>= 1) ++bits;
    return bits;
}

// ⌊n·base^count / d⌋ by long division, one digit of the base at a time, so
// that no intermediate product outgrows 128 bits; `rest` keeps the last
// remainder, zero when the quotient is exact.
WideUnsigned scaledQuotient(WideUnsigned n, WideUnsigned d, unsigned base, int count,
                            WideUnsigned& rest) {
    WideUnsigned q = n / d;
    rest = n % d;
    for (int i = 0; i < count; ++i) {
        const WideUnsigned widened = rest * base;
        q = q * base + widened / d;
        rest = widened % d;
    }
    return q;
}

}  // namespace

WholeRoot wholeRoot(WideUnsigned v) {
    // Digit by digit in base 4: each round settles one bit of the root.
    WideUnsigned rest = v, root = 0;
    WideUnsigned bit = WideUnsigned{1} << 126;
    while (bit > rest) bit >>= 2;
    while (bit != 0) {
        if (rest >= root + bit) {
            rest -= root + bit;
            root = (root >> 1) + bit;
        } else {
            root >>= 1;
        }
        bit >>= 2;
    }
    return {root, rest};
}

double nearestRoot(WideUnsigned n, WideUnsigned d) {
    if (n == 0) return 0.0;
    // Scale n / d by 4^k until its whole root has at least 55 bits: two
    // more than a double keeps, and whether anything was left over after
    // those is all that rounding to the nearest needs.
    WideUnsigned rest = 0;
    WideUnsigned x = n / d;
    rest = n % d;
    int k = 0;
    constexpr WideUnsigned enough = WideUnsigned{1} << 108;
    while (x < enough) {
        const WideUnsigned widened = rest * 4;
        x = x * 4 + widened / d;
        rest = widened % d;
        ++k;
    }
    const WholeRoot r = wholeRoot(x);
    const bool sticky = rest != 0 || r.rest != 0;
    const int dropped = bitLength(r.root) - 53;
    WideUnsigned mantissa = r.root >> dropped;
    const WideUnsigned below = r.root & ((WideUnsigned{1} << dropped) - 1);
    const WideUnsigned half = WideUnsigned{1} << (dropped - 1);
    if (below > half || (below == half && (sticky || (mantissa & 1) != 0))) ++mantissa;
    return std::ldexp(static_cast<double>(static_cast<std::uint64_t>(mantissa)), dropped - k);
}

RoundedRoot rootToPlaces(WideUnsigned n, WideUnsigned d, int places) {
    // round(√x) = ⌊(⌊√(4x)⌋ + 1) / 2⌋, and ⌊√(4x)⌋ = ⌊√⌊4x⌋⌋.
    WideUnsigned rest = 0;
    const WideUnsigned scaled = scaledQuotient(n, d, 10, 2 * places, rest);
    const WholeRoot quadrupled = wholeRoot(scaled * 4 + rest * 4 / d);
    const WholeRoot plain = wholeRoot(scaled);
    return {(quadrupled.root + 1) / 2, rest == 0 && plain.rest == 0};
}

}  // namespace tarvo::motion
