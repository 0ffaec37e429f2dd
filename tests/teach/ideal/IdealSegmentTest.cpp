#include <gtest/gtest.h>

#include "support/Programs.h"
#include "support/TableFile.h"
#include "teach/ideal/IdealSegment.h"

namespace tarvo::teach {
namespace {

TARVO_TABLE_SUITE(IdealSegmentPath, "ideal-segment.tsv");

TEST_P(IdealSegmentPath, DistanceOfAPointAndSweep) {
    const std::vector<double> s = row().numbers("segment"), p = row().numbers("point");
    const auto mode = static_cast<motion::Mode>(static_cast<int>(s.at(8)));
    using test::decimalOf;
    const IdealSegment path = IdealSegment::of({decimalOf(s[0]), decimalOf(s[1]), decimalOf(s[2]),
                                                decimalOf(s[3]), decimalOf(s[4]), decimalOf(s[5]),
                                                decimalOf(s[6]), decimalOf(s[7]), mode});
    const motion::Point3 point{p.at(0), p.at(1), p.at(2)};
    const double distance = row().number("distance");
    EXPECT_DOUBLE_EQ(path.distance(point), distance);
    // The quick look by squares lets through whatever lies farther, and not much else.
    EXPECT_TRUE(distance == 0 || path.mayLieFarther(point, distance * (1 - 1e-6)));
    EXPECT_FALSE(path.mayLieFarther(point, distance * (1 + 1e-6) + 1e-6));
    EXPECT_DOUBLE_EQ(path.sweep(), row().numberOr("sweep", path.sweep()));
}
}  // namespace
}  // namespace tarvo::teach
