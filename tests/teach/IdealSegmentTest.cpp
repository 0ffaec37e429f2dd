#include <gtest/gtest.h>

#include <numbers>

#include "teach/IdealSegment.h"

namespace tarvo::teach {
namespace {

// Distance to the nearest point of a straight move, ends included; to the circle for an arc.
TEST(IdealSegment, DistanceOfAPointFromThePath) {
    const IdealSegment line = IdealSegment::of({0, 0, 0, 10, 0, 0});
    const IdealSegment arc =
        IdealSegment::of({30, 10, 60, 40, 20, 60, 0, -10, motion::Mode::CounterClockwise});
    const struct {
        const IdealSegment& path;
        motion::Point3 p;
        double distance;
    } cases[] = {
        {line, {50, 3, 4}, 5},    {line, {-3, 4, 0}, 5},     {line, {103, 0, -4}, 5},
        {arc, {300, 100, 60}, 0}, {arc, {300, 110, -9}, 10}, {arc, {330, 200, 60}, 70},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(c.path.distance(c.p), c.distance);
}

// The sample's G03 turns a quarter anticlockwise, its G02 a quarter clockwise.
TEST(IdealSegment, ArcsTurnInTheirSense) {
    constexpr double quarter = std::numbers::pi / 2;
    EXPECT_DOUBLE_EQ(
        IdealSegment::of({30, 10, 60, 40, 20, 60, 0, -10, motion::Mode::CounterClockwise}).sweep(),
        quarter);
    EXPECT_DOUBLE_EQ(
        IdealSegment::of({40, 20, 60, 30, 30, 60, 0, -10, motion::Mode::Clockwise}).sweep(),
        -quarter);
    EXPECT_EQ(IdealSegment::of({5, 5, 60, 5, 5, 0, 1, 0, motion::Mode::Clockwise}).sweep(), 0);
}

}  // namespace
}  // namespace tarvo::teach
