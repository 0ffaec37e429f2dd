#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>

#include "motion/exact/ExactRoot.h"
#include "support/NearestRoot.h"
#include "support/TableFile.h"
#include "teach/table/PulseText.h"
#include "teach/table/RowTexts.h"

namespace tarvo::teach {
namespace {

using U128 = test::NearestRootCheck::U128;

U128 wholeNumber(const std::string& digits) {
    U128 n = 0;
    for (const char c : digits) n = n * 10 + static_cast<unsigned>(c - '0');
    return n;
}

TARVO_TABLE_SUITE(DistanceRoot, "exact/roots.tsv");

// The root is the nearest double of the exact one, and the table's texts
// round it to the nearest, exact roots without decimals.
TEST_P(DistanceRoot, IsTheNearestDoubleAndReadsRounded) {
    const U128 units = wholeNumber(row()["square"]);
    const auto square = motion::Squared::fromUnits(static_cast<motion::Wide>(units));
    const auto dlstep = motion::Decimal::fromUnits(std::stoll(row()["step"]));
    const double root = square.root();
    EXPECT_EQ(root, std::strtod(row()["root"].c_str(), nullptr));
    EXPECT_TRUE(test::NearestRootCheck::holds(units, root));
    // The check tells a neighbour one unit in the last place off.
    EXPECT_FALSE(test::NearestRootCheck::holds(units, std::nextafter(root, HUGE_VAL)));
    EXPECT_FALSE(test::NearestRootCheck::holds(units, std::nextafter(root, -HUGE_VAL)));
    motion::StepRecord record;
    record.gmode = motion::Mode::Line;
    record.distance2 = square;
    TextbookSegment segment;
    segment.dlstep = dlstep;
    test::expectTexts(row(), {{"text", pulseRootText(square, dlstep)},
                              {"end", rowTexts(TextbookStep{record, segment}).distance}});
}

// Whole roots at the edges of 128 bits, with what is left over.
TEST(WholeRoot, AtTheEdgesOfTheRange) {
    const U128 top = ~U128{0};
    EXPECT_EQ(motion::wholeRoot(top).root, U128{~std::uint64_t{0}});
    EXPECT_EQ(motion::wholeRoot(top).rest, top - U128{~std::uint64_t{0}} * ~std::uint64_t{0});
    EXPECT_EQ(motion::wholeRoot(0).root, 0u);
    const U128 big = (U128{1} << 63) + 12345;
    EXPECT_EQ(motion::wholeRoot(big * big).root, big);
    EXPECT_EQ(motion::wholeRoot(big * big).rest, 0u);
    EXPECT_EQ(motion::wholeRoot(big * big - 1).root, big - 1);
    EXPECT_EQ(motion::wholeRoot(big * big - 1).rest, 2 * big - 2);
}

}  // namespace
}  // namespace tarvo::teach
