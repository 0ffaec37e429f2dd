#include <gtest/gtest.h>

#include "motion/PulseStepper.h"

namespace tarvo::motion {
namespace {

// Walks a stepper to its end: every feed a unit step, and the point where the feeds lead.
PulsePoint walked(PulseStepper stepper, PulsePoint from) {
    for (int i = 0; !stepper.finished() && i < 10'000; ++i) {
        const PulseFeed f = std::visit([](const auto& s) { return s.feed; }, stepper.next());
        from.x += f.x, from.y += f.y;
    }
    EXPECT_TRUE(stepper.finished());
    EXPECT_EQ(stepper.point(), from);
    return from;
}

// Every method ends exactly on the end point: lines into each quadrant and along each axis, and
// arcs between the whole-pulse points of a circle of radius 5 in both senses, all round included,
// at 1, 10 and 100 pulses to the figure's unit (a millimetre at 1, 0.1 and 0.01 mm a pulse).
TEST(PulseMethods, EndExactlyOnTheEndPointInEveryQuadrantAndSense) {
    const std::vector<PulsePoint> circle = {{5, 0},  {4, 3},   {3, 4},   {0, 5},  {-3, 4}, {-4, 3},
                                            {-5, 0}, {-4, -3}, {-3, -4}, {0, -5}, {3, -4}, {4, -3}};
    for (const std::int64_t scale : {1, 10, 100}) {
        const auto scaled = [&](PulsePoint p) { return PulsePoint{p.x * scale, p.y * scale}; };
        std::vector<PulsePoint> lineEnds = circle;
        lineEnds.push_back({});  // a line of no length
        for (PulsePoint end : lineEnds) {
            end = scaled(end);
            SCOPED_TRACE(testing::Message() << "line to " << end.x << ' ' << end.y);
            EXPECT_EQ(walked(PulseStepper(ComparisonLine(end)), {}), end);
            EXPECT_EQ(walked(PulseStepper(IntegrationLine(end, false)), {}), end);
            EXPECT_EQ(walked(PulseStepper(IntegrationLine(end, true)), {}), end);
        }
        for (const PulsePoint start : circle) {
            for (const PulsePoint end : circle) {
                for (const bool cw : {false, true}) {
                    const PulseArc arc(scaled(start), scaled(end), cw);
                    SCOPED_TRACE(testing::Message()
                                 << "arc " << start.x << ' ' << start.y << " to " << end.x << ' '
                                 << end.y << (cw ? " G02" : " G03"));
                    const PulsePoint to = scaled(end);
                    EXPECT_EQ(walked(PulseStepper(ComparisonArc(arc)), arc.start()), to);
                    EXPECT_EQ(walked(PulseStepper(IntegrationArc(arc, false)), arc.start()), to);
                    EXPECT_EQ(walked(PulseStepper(IntegrationArc(arc, true)), arc.start()), to);
                }
            }
        }
    }
}

}  // namespace
}  // namespace tarvo::motion
