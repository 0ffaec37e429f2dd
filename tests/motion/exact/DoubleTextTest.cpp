#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

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

}  // namespace
}  // namespace tarvo::motion
