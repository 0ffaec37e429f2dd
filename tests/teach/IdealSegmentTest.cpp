#include <gtest/gtest.h>

#include "support/TableFile.h"
#include "teach/IdealSegment.h"

namespace tarvo::teach {
namespace {

TARVO_TABLE_SUITE(IdealSegmentPath, "ideal-segment.tsv");

TEST_P(IdealSegmentPath, DistanceOfAPointAndSweep) {
    const std::vector<double> s = row().numbers("segment"), p = row().numbers("point");
    const auto mode = static_cast<motion::Mode>(static_cast<int>(s.at(8)));
    const IdealSegment path =
        IdealSegment::of({s[0], s[1], s[2], s[3], s[4], s[5], s[6], s[7], mode});
    EXPECT_DOUBLE_EQ(path.distance({p.at(0), p.at(1), p.at(2)}), row().number("distance"));
    EXPECT_DOUBLE_EQ(path.sweep(), row().numberOr("sweep", path.sweep()));
}
}  // namespace
}  // namespace tarvo::teach
