#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "motion/OutputByte.h"
#include "support/MachineRecorder.h"

namespace tarvo::motion {
namespace {

using test::TracedRun;

// The sample's arcs, point by point: one step on one axis per step tick,
// chosen from the quadrant and the sign of the deviation, which is
// recomputed in full after every step. Arcs stay at their start Z. A step
// pulses its axis, then writes that axis's direction: the clockwise arc's
// first step turns X negative, the other's keeps Y positive.
TEST(CircularInterpolation, SampleArcsFollowTheCircle) {
    using Steps = std::vector<std::array<double, 3>>;  // step point, deviation after it
    using Bits = std::vector<std::pair<int, bool>>;
    // Centre (300, 200), radius 100, from (300, 100) to (400, 200).
    const Steps ccw{{300, 110, -1900}, {310, 110, -1800}, {320, 110, -1500}, {330, 110, -1000},
                    {340, 110, -300},  {350, 110, 600},   {350, 120, -1100}, {360, 120, 0},
                    {360, 130, -1500}, {370, 130, -200},  {380, 130, 1300},  {380, 140, 0},
                    {380, 150, -1100}, {390, 150, 600},   {390, 160, -300},  {400, 160, 1600},
                    {400, 170, 900},   {400, 180, 400},   {400, 190, 100},   {400, 200, 0}};
    // Centre (400, 300), radius 100, from (400, 200) to (300, 300).
    const Steps cw{{390, 200, 100},   {390, 210, -1800}, {380, 210, -1500}, {370, 210, -1000},
                   {360, 210, -300},  {350, 210, 600},   {350, 220, -1100}, {340, 220, 0},
                   {340, 230, -1500}, {330, 230, -200},  {320, 230, 1300},  {320, 240, 0},
                   {320, 250, -1100}, {310, 250, 600},   {310, 260, -300},  {300, 260, 1600},
                   {300, 270, 900},   {300, 280, 400},   {300, 290, 100},   {300, 300, 0}};
    const struct {
        std::size_t segment;
        Steps steps;
        Bits first;  // the bits the first step changed, in order
    } arcs[] = {{3, ccw, {{OutputByte::YPulse, false}}},
                {4, cw, {{OutputByte::XPulse, false}, {OutputByte::XDir, true}}}};
    const TracedRun run(test::sampleProgram);
    for (const auto& a : arcs) {
        SCOPED_TRACE("segment " + std::to_string(a.segment));
        const test::SegmentRun& seg = run.segment(a.segment);
        Steps steps;
        for (const test::Tick& t : seg.ticks) {
            if (t.stepped()) steps.push_back({t.after.xcur, t.after.ycur, t.after.r.fm});
            EXPECT_EQ(t.after.zcur, 600);
        }
        EXPECT_EQ(steps, a.steps);
        EXPECT_EQ(seg.ticks.size(), 39u);
        const auto bits = run.panel.bits.begin();
        EXPECT_EQ(Bits(bits + static_cast<std::ptrdiff_t>(seg.ticks[0].bitsBefore),
                       bits + static_cast<std::ptrdiff_t>(seg.ticks[0].after.bits)),
                  a.first);
    }
}

// The first step of an arc that starts, with a deviation of 0, on an axis
// through its centre: a point on the circle counts as outside, a point level
// with the centre as in the upper half, a point above or below it as in the
// right half. Starts below, right, left and above the centre.
TEST(CircularInterpolation, TieBreaksChooseTheFirstStep) {
    const struct {
        const char* program;
        double dx, dy;  // the step, internal units
    } cases[] = {{"%\nG00Y-10\nG02Y10J10\n", -10, 0},  {"%\nG00Y-10\nG03Y10J10\n", 0, 10},
                 {"%\nG00X10\nG02X-10I-10\n", 0, -10}, {"%\nG00X10\nG03X-10I-10\n", -10, 0},
                 {"%\nG00X-10\nG02X10I10\n", 10, 0},   {"%\nG00X-10\nG03X10I10\n", 0, -10},
                 {"%\nG00Y10\nG02Y-10J-10\n", 0, -10}, {"%\nG00Y10\nG03Y-10J-10\n", -10, 0}};
    for (const auto& c : cases) {
        const TracedRun run(c.program);
        const test::SegmentRun& arc = run.segment(2);
        const test::State& first = arc.ticks.at(0).after;
        EXPECT_EQ(std::vector({first.xcur - 10 * arc.handed.xs, first.ycur - 10 * arc.handed.ys}),
                  std::vector({c.dx, c.dy}))
            << c.program;
    }
}

}  // namespace
}  // namespace tarvo::motion
