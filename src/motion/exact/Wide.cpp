#include "motion/exact/Wide.h"

namespace tarvo::motion {

namespace {

// A 256-bit product as two 128-bit halves.
struct Product {
    WideUnsigned high, low;
};

Product multiply(WideUnsigned a, WideUnsigned b) {
    constexpr WideUnsigned lowMask = ~std::uint64_t{0};
    const WideUnsigned a0 = a & lowMask, a1 = a >> 64, b0 = b & lowMask, b1 = b >> 64;
    const WideUnsigned p00 = a0 * b0, p01 = a0 * b1, p10 = a1 * b0, p11 = a1 * b1;
    // The middle column gathers the cross products and the carry from the
    // lowest; each term is below 2^64, so three of them cannot overflow.
    const WideUnsigned middle = (p00 >> 64) + (p01 & lowMask) + (p10 & lowMask);
    return {p11 + (p01 >> 64) + (p10 >> 64) + (middle >> 64), (middle << 64) | (p00 & lowMask)};
}

}  // namespace

bool wideProductAtLeast(WideUnsigned a, WideUnsigned b, WideUnsigned c, WideUnsigned d) {
    const Product left = multiply(a, b), right = multiply(c, d);
    return left.high != right.high ? left.high > right.high : left.low >= right.low;
}

}  // namespace tarvo::motion
