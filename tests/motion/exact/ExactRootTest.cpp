#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <vector>

#include "motion/exact/ExactRoot.h"
#include "motion/exact/Squared.h"

namespace tarvo::motion {
namespace {

// The roots the tables show are guessed by the hardware and proved with
// integer products; wherever the proof fails they are worked out by hand,
// bit by bit. Both ways must give the very same roots: on random quotients
// of every size the machine makes, and where a guess is most often off or
// undecided: exact squares, squares one off, halfway points.

struct Quotient {
    WideUnsigned n, d;
};

WideUnsigned randomBits(std::mt19937_64& random, int bits) {
    const WideUnsigned wide = (static_cast<WideUnsigned>(random()) << 64) | random();
    return bits == 0 ? 0 : wide >> (128 - bits);
}

// Every n / d × 10^16 here stays below 2^120, as rootToPlaces asks of a
// root to 8 places.
std::vector<Quotient> randomQuotients(int count) {
    std::mt19937_64 random(20261207);
    std::vector<Quotient> quotients;
    for (int i = 0; i < count; ++i) {
        const int dBits = static_cast<int>(random() % 100) + 1;
        WideUnsigned d = randomBits(random, dBits);
        if (d == 0) d = 1;
        // The machine's own divisors: 10^16 for internal units, a step's square.
        if (i % 3 == 0) d = Squared::one;
        if (i % 3 == 1) d = squareOf(static_cast<std::int64_t>(random() % 10'000'000'000U) + 1);
        int top = 0;
        for (WideUnsigned v = d; v != 0; v >>= 1) ++top;
        const int nBits =
            static_cast<int>(random() % static_cast<unsigned>(std::min(127, top + 60)));
        quotients.push_back({randomBits(random, nBits), d});
    }
    return quotients;
}

std::vector<Quotient> edgeQuotients() {
    std::vector<Quotient> quotients;
    std::mt19937_64 random(7);
    for (int i = 0; i < 20000; ++i) {
        const WideUnsigned k = randomBits(random, static_cast<int>(random() % 30) + 1);
        const WideUnsigned d = i % 2 == 0 ? WideUnsigned{Squared::one} : squareOf(1000);
        for (const WideUnsigned n : {k * k * d, k * k * d - 1, k * k * d + 1}) {
            quotients.push_back({n, d});
        }
        // √n / 2^j halfway between two doubles: (2m + 1)² / 4^j, m of 53 bits.
        const WideUnsigned m = (WideUnsigned{1} << 52) | randomBits(random, 52);
        const int j = static_cast<int>(random() % 26) + 34;
        quotients.push_back({(2 * m + 1) * (2 * m + 1), WideUnsigned{1} << (2 * j)});
        // A root halfway between two hundredths: (2g + 1)² / (4·10^4).
        const WideUnsigned g = randomBits(random, 30);
        quotients.push_back({(2 * g + 1) * (2 * g + 1), 40000});
    }
    for (int bits = 0; bits < 100; ++bits) {
        quotients.push_back({WideUnsigned{1} << bits, Squared::one});
        quotients.push_back({(WideUnsigned{1} << bits) - 1, Squared::one});
    }
    return quotients;
}

TEST(QuickRoots, AreTheLongHandOnes) {
    int places = 0;
    for (const std::vector<Quotient>& set : {randomQuotients(200000), edgeQuotients()}) {
        for (const Quotient& q : set) {
            const double quick = nearestRoot(q.n, q.d), slow = nearestRootLongHand(q.n, q.d);
            places = places % 8 + 1;
            ASSERT_EQ(std::signbit(quick), std::signbit(slow));
            ASSERT_EQ(quick, slow) << static_cast<double>(q.n) << " / " << static_cast<double>(q.d);
            ASSERT_EQ(rootToPlaces(q.n, q.d, places), rootToPlacesLongHand(q.n, q.d, places))
                << static_cast<double>(q.n) << " / " << static_cast<double>(q.d) << " to "
                << places;
        }
    }
}

}  // namespace
}  // namespace tarvo::motion
