#include "motion/exact/ExactRoot.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <limits>

namespace tarvo::motion {

namespace {

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

// The double nearest v, by the processor's own conversion where v fits 64
// bits (as a divisor and a power of ten nearly always do) instead of the
// runtime's 128-bit one; both round to the nearest, so they agree.
double nearestDouble(WideUnsigned v) {
    if (v <= UINT64_MAX) return static_cast<double>(static_cast<std::uint64_t>(v));
    return static_cast<double>(v);
}

WideUnsigned powerOfTen(int exponent) {
    WideUnsigned p = 1;
    for (int i = 0; i < exponent; ++i) p *= 10;
    return p;
}

// Whether c is the double nearest √(n / d) and no tie: n / d lies strictly
// between the squares of the midpoints from c to its neighbours. With c =
// M·2^E, the midpoints times 2^(2−E) are whole: 4M + 2 above, 4M − 2 below,
// or 4M − 1 at a power of two, where the neighbour below lies nearer. False
// where n·2^(4−2E) would not fit the products compared.
bool provedNearest(double c, WideUnsigned n, WideUnsigned d) {
    if (!std::isnormal(c)) return false;
    std::uint64_t bits = 0;
    std::memcpy(&bits, &c, sizeof bits);
    constexpr std::uint64_t hidden = std::uint64_t{1} << 52;
    const std::uint64_t m = (bits & (hidden - 1)) | hidden;
    const int e = static_cast<int>(bits >> 52) - 1075;  // c = m·2^e
    const int shift = 4 - 2 * e;
    if (shift < 0 || shift > 127) return false;
    const WideUnsigned scaled = WideUnsigned{1} << shift;
    const WideUnsigned above = 4 * static_cast<WideUnsigned>(m) + 2;
    const WideUnsigned below =
        4 * static_cast<WideUnsigned>(m) - (m == std::uint64_t{1} << 52 ? 1 : 2);
    return !productAtLeast(n, scaled, above * above, d) &&
           !productAtLeast(below * below, d, n, scaled);
}

// Whether g is √(n / d) × 10^places rounded to the nearest, halves up:
// (2g − 1)² d ≤ 4n·10^(2·places) < (2g + 1)² d.
bool provedRounded(std::uint64_t g, WideUnsigned n, WideUnsigned d, WideUnsigned scale) {
    const WideUnsigned above = 2 * static_cast<WideUnsigned>(g) + 1;
    if (productAtLeast(n, 4 * scale, above * above, d)) return false;
    if (g == 0) return true;
    const WideUnsigned below = above - 2;
    return productAtLeast(n, 4 * scale, below * below, d);
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
    // Three roundings on the way make the guess at most a unit or two off.
    const double guess = std::sqrt(nearestDouble(n) / nearestDouble(d));
    constexpr double infinity = std::numeric_limits<double>::infinity();
    if (provedNearest(guess, n, d)) return guess;
    for (const double c : {std::nextafter(guess, 0.0), std::nextafter(guess, infinity)}) {
        if (provedNearest(c, n, d)) return c;
    }
    return nearestRootLongHand(n, d);
}

double nearestRootLongHand(WideUnsigned n, WideUnsigned d) {
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
    const WideUnsigned scale = powerOfTen(2 * places);
    const double guess =
        std::sqrt(nearestDouble(n) / nearestDouble(d)) * nearestDouble(powerOfTen(places));
    if (guess < 0x1p62) {
        const auto g = static_cast<std::uint64_t>(guess + 0.5);
        for (const std::uint64_t candidate : {g, g - 1, g + 1}) {
            if (candidate == ~std::uint64_t{0} || !provedRounded(candidate, n, d, scale)) continue;
            const WideUnsigned square = static_cast<WideUnsigned>(candidate) * candidate;
            const bool exact =
                productAtLeast(square, d, n, scale) && productAtLeast(n, scale, square, d);
            return {candidate, exact};
        }
    }
    return rootToPlacesLongHand(n, d, places);
}

RoundedRoot rootToPlacesLongHand(WideUnsigned n, WideUnsigned d, int places) {
    // round(√x) = ⌊(⌊√(4x)⌋ + 1) / 2⌋, and ⌊√(4x)⌋ = ⌊√⌊4x⌋⌋.
    WideUnsigned rest = 0;
    const WideUnsigned scaled = scaledQuotient(n, d, 10, 2 * places, rest);
    const WholeRoot quadrupled = wholeRoot(scaled * 4 + rest * 4 / d);
    const WholeRoot plain = wholeRoot(scaled);
    return {(quadrupled.root + 1) / 2, rest == 0 && plain.rest == 0};
}

}  // namespace tarvo::motion
