#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <random>

#include "motion/exact/NumberText.h"
#include "motion/exact/ShortestDigits.h"
#include "support/TableFile.h"

namespace tarvo::motion {
namespace {

TARVO_TABLE_SUITE(DoubleText, "exact/double-texts.tsv");
TARVO_TABLE_SUITE(DoubleReading, "exact/double-readings.tsv");

TEST_P(DoubleText, IsTheShortestThatReadsBack) {
    const double value = std::bit_cast<double>(std::stoull(row()["bits"], nullptr, 16));
    EXPECT_EQ(exactText(value), row()["text"]);
}

TEST_P(DoubleReading, ReadsTheNearestDoubleOrRefuses) {
    const std::optional<double> value = readDouble(row()["text"]);
    EXPECT_EQ(value ? exactText(*value) : "refused", row()["value"]);
}

// Across the whole range of doubles the text is the one the standard
// library's shortest form gives, where the library has one.
TEST(DoubleTexts, AgreeWithCharconvOnRandomDoubles) {
    std::mt19937_64 bits(20261207);
    for (int i = 0; i < 20000; ++i) {
        const double value = std::bit_cast<double>(bits());
        if (std::isnan(value)) continue;
        std::array<char, 40> text{};
        const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
        ASSERT_EQ(exactText(value), std::string(text.data(), end)) << std::hexfloat << value;
    }
}

}  // namespace
}  // namespace tarvo::motion
