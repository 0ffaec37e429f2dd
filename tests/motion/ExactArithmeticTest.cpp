#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "motion/Decimal.h"
#include "motion/DecimalReading.h"
#include "motion/NumberText.h"
#include "motion/Rounding.h"
#include "motion/Squared.h"
#include "motion/Wide.h"
#include "support/TsvTable.h"

namespace tarvo::motion {
namespace {

std::string faultName(DecimalReading::Fault fault) {
    switch (fault) {
        case DecimalReading::Fault::None:
            return "exact";
        case DecimalReading::Fault::NotNumber:
            return "not-a-number";
        case DecimalReading::Fault::TooLarge:
            return "too-large";
        case DecimalReading::Fault::TooFine:
            return "too-fine";
    }
    return "";
}

// A text reads as its exact count of 1e-8, or is refused for why it cannot.
TEST(ExactArithmetic, TextsReadExactlyOrNotAtAll) {
    for (const test::TsvRow& row : test::readTsv("exact/decimal-readings.tsv")) {
        const DecimalReading reading = readDecimal(row["text"]);
        EXPECT_EQ(faultName(reading.fault), row["reading"]) << row.where;
        if (reading.exact()) {
            EXPECT_EQ(reading.value.units(), std::stoll(row["units"])) << row.where;
        }
    }
}

// Every digit of the exact value, trailing zeros trimmed; squares to 16 places.
TEST(ExactArithmetic, TextsShowTheExactValue) {
    for (const test::TsvRow& row : test::readTsv("exact/exact-texts.tsv")) {
        const Decimal value = Decimal::fromUnits(std::stoll(row["units"]));
        EXPECT_EQ(exactText(value), row["decimal"]) << row.where;
        EXPECT_EQ(millimetreText(value), row["millimetres"]) << row.where;
        EXPECT_EQ(exactText(Squared::of(value)), row["square"]) << row.where;
    }
}

// The machine's own rounding: halves to the even neighbour, decided exactly.
TEST(ExactArithmetic, RoundingTakesHalvesToEven) {
    for (const test::TsvRow& row : test::readTsv("exact/round-half-even.tsv")) {
        EXPECT_EQ(roundHalfEven(readDecimal(row["value"]).value), std::stoll(row["rounded"]))
            << row.where;
    }
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
