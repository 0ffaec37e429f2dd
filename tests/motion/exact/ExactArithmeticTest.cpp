#include <gtest/gtest.h>

#include <string>

#include "motion/exact/Decimal.h"
#include "motion/exact/DecimalReading.h"
#include "motion/exact/NumberText.h"
#include "motion/exact/Rounding.h"
#include "motion/exact/Squared.h"
#include "motion/exact/Wide.h"
#include "support/TableFile.h"

namespace tarvo::motion {
namespace {

TARVO_TABLE_SUITE(ExactReading, "exact/decimal-readings.tsv");
TARVO_TABLE_SUITE(ExactText, "exact/exact-texts.tsv");
TARVO_TABLE_SUITE(ExactRounding, "exact/round-half-even.tsv");

// A text reads as its exact count of 1e-8, or is refused for why it cannot.
TEST_P(ExactReading, ReadsExactlyOrNotAtAll) {
    const DecimalReading reading = readDecimal(row()["text"]);
    const char* const faults[] = {"exact", "not-a-number", "too-large", "too-fine"};
    EXPECT_EQ(faults[static_cast<int>(reading.fault)], row()["reading"]);
    if (reading.exact()) {
        EXPECT_EQ(reading.value.units(), std::stoll(row()["units"]));
    }
}

// Every digit of the exact value, trailing zeros trimmed; squares to 16 places.
TEST_P(ExactText, ShowsTheExactValue) {
    const Decimal value = Decimal::fromUnits(std::stoll(row()["units"]));
    test::expectTexts(row(), {{"decimal", exactText(value)},
                              {"millimetres", millimetreText(value)},
                              {"square", exactText(Squared::of(value))}});
}

// The machine's own rounding: halves to the even neighbour, decided exactly.
TEST_P(ExactRounding, TakesHalvesToEven) {
    EXPECT_EQ(roundHalfEven(readDecimal(row()["value"]).value), std::stoll(row()["rounded"]));
}

// Products past 128 bits compare exactly, down to a difference of 1: x² against
// (x - 1)(x + 1) = x² - 1, for x with every limb of its square in use.
TEST(ExactArithmetic, ProductsOf256BitsCompareExactly) {
    const WideUnsigned top = ~WideUnsigned{0};
    for (const WideUnsigned x :
         {WideUnsigned{1} << 100, top / 2 + 12'345'678'901'234'567'891U, top - 1}) {
        EXPECT_TRUE(productAtLeast(x, x, x - 1, x + 1));
        EXPECT_FALSE(productAtLeast(x - 1, x + 1, x, x));
        EXPECT_TRUE(productAtLeast(x, x, x, x));
    }
    const WideUnsigned half = WideUnsigned{1} << 64;  // 2^64 · 2^64 = 2^127 · 2
    EXPECT_TRUE(productAtLeast(half, half, WideUnsigned{1} << 127, 2));
    EXPECT_TRUE(productAtLeast(WideUnsigned{1} << 127, 2, half, half));
    EXPECT_TRUE(productAtLeast(0, top, 0, 0));
    EXPECT_FALSE(productAtLeast(0, top, 1, 1));
}

}  // namespace
}  // namespace tarvo::motion
