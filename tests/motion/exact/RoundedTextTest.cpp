#include <gtest/gtest.h>

#include <string>

#include "motion/exact/RoundedText.h"
#include "support/TableFile.h"

namespace tarvo::motion {
namespace {

TARVO_TABLE_SUITE(RoundedTexts, "rounded-text.tsv");

TEST_P(RoundedTexts, RoundTheExactValueHalfAwayFromZero) {
    EXPECT_EQ(roundedText(std::stod(row()["value"]), std::stoi(row()["places"])), row()["text"]);
}

}  // namespace
}  // namespace tarvo::motion
