#include <gtest/gtest.h>

#include <string>

#include "support/TableFile.h"
#include "teach/RoundedText.h"

namespace tarvo::teach {
namespace {

TARVO_TABLE_SUITE(RoundedTexts, "rounded-text.tsv");

TEST_P(RoundedTexts, RoundTheExactValueHalfAwayFromZero) {
    EXPECT_EQ(roundedText(std::stod(row()["value"]), std::stoi(row()["places"])), row()["text"]);
}

}  // namespace
}  // namespace tarvo::teach
