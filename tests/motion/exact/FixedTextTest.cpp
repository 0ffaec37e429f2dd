#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "motion/exact/NumberText.h"
#include "support/LongDivision.h"

namespace tarvo::motion {
namespace {

// Exact values that fit 64 bits are written by splitting them at the point;
// the rest digit by digit. Both must write what plain long division writes,
// on either side of 2^64 and for every count of trailing zeros.

std::string longDivisionText(Wide value, int places) {
    WideUnsigned ten = 1;
    for (int i = 0; i < places; ++i) ten *= 10;
    bool exact = false;
    const std::string text = test::longDivision(magnitude(value), ten, places, false, exact);
    return (value < 0 ? "-" : "") + text;
}

std::vector<Wide> values() {
    std::mt19937_64 random(20261207);
    std::vector<Wide> out = {0, 1, -1, UINT64_MAX, -static_cast<Wide>(UINT64_MAX)};
    for (int i = 0; i < 200'000; ++i) {
        const Wide tens[] = {1, 10, 1000, 100'000'000, 10'000'000'000'000'000};
        Wide v = static_cast<Wide>(random() >> (random() % 64)) * tens[random() % 5];
        if (i % 4 == 0) v += static_cast<Wide>(UINT64_MAX) - 100'000;  // across 2^64
        out.push_back(i % 2 == 0 ? v : -v);
    }
    return out;
}

TEST(FixedText, WritesWhatLongDivisionWrites) {
    for (const Wide v : values()) {
        if (v >= INT64_MIN && v <= INT64_MAX) {
            const Decimal d = Decimal::fromUnits(static_cast<std::int64_t>(v));
            ASSERT_EQ(exactText(d), longDivisionText(v, Decimal::places));
            ASSERT_EQ(millimetreText(d), longDivisionText(v, Decimal::places + 1));
        }
        ASSERT_EQ(exactText(Squared::fromUnits(v)), longDivisionText(v, Squared::places));
    }
}

}  // namespace
}  // namespace tarvo::motion
