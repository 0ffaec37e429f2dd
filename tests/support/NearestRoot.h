#pragma once

#include <array>
#include <cmath>
#include <cstdint>

namespace tarvo::test {

// Whether `root` is the double nearest √(n / 10¹⁶), checked with 256-bit
// integers on the midpoints between it and its neighbours: the halfway
// points around the root, squared, must bracket the exact square.
class NearestRootCheck {
public:
    __extension__ typedef unsigned __int128 U128;

    static bool holds(U128 n, double root) {
        if (root == 0) return n == 0;
        if (!(root > 0) || !std::isfinite(root)) return false;
        int e = 0;
        const auto m = static_cast<std::uint64_t>(std::ldexp(std::frexp(root, &e), 53));
        e -= 53;  // root = m · 2^e, 2^52 ≤ m < 2^53
        // Below a power of two the neighbour lies half as far.
        const int below = m == (std::uint64_t{1} << 52) ? 2 : 1;
        const bool aboveLow = compare(n, (U128{m} << below) - 1, e - below) >= 0;
        const bool belowHigh = compare(n, 2 * U128{m} + 1, e - 1) <= 0;
        return aboveLow && belowHigh;
    }

private:
    using U256 = std::array<std::uint64_t, 4>;  // little end first

    static U256 product(U128 a, U128 b) {
        const std::uint64_t x[2] = {static_cast<std::uint64_t>(a),
                                    static_cast<std::uint64_t>(a >> 64)};
        const std::uint64_t y[2] = {static_cast<std::uint64_t>(b),
                                    static_cast<std::uint64_t>(b >> 64)};
        U256 r{};
        for (int i = 0; i < 2; ++i) {
            U128 carry = 0;
            for (int j = 0; j < 2; ++j) {
                const U128 t = U128{x[i]} * y[j] + r[i + j] + carry;
                r[i + j] = static_cast<std::uint64_t>(t);
                carry = t >> 64;
            }
            r[i + 2] += static_cast<std::uint64_t>(carry);
        }
        return r;
    }

    static U256 shifted(U256 v, int bits) {
        for (; bits > 0; --bits) {
            for (int i = 3; i >= 0; --i) v[i] = (v[i] << 1) | (i > 0 ? v[i - 1] >> 63 : 0);
        }
        return v;
    }

    static bool lessThan(const U256& a, const U256& b) {
        for (int i = 3; i >= 0; --i) {
            if (a[i] != b[i]) return a[i] < b[i];
        }
        return false;
    }

    // The sign of n / 10¹⁶ − (c · 2^k)², both sides scaled to whole numbers:
    // n · 4^(−k) against c² · 10¹⁶ for k < 0, n against c² · 10¹⁶ · 4^k else.
    static int compare(U128 n, U128 c, int k) {
        U256 units = product(n, 1), square = product(c * c, 10'000'000'000'000'000ULL);
        if (k < 0) {
            units = shifted(units, -2 * k);
        } else {
            square = shifted(square, 2 * k);
        }
        return lessThan(units, square) ? -1 : lessThan(square, units) ? 1 : 0;
    }
};

}  // namespace tarvo::test
