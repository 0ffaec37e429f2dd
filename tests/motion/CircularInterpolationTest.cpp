#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "motion/OutputByte.h"
#include "support/MachineRecorder.h"

namespace tarvo::motion {
namespace {

using test::TracedRun;

// A step pulses its axis, then writes its direction if it changed.
TEST(CircularInterpolation, StepPulsesThenTurnsItsAxis) {
    using Bits = std::vector<std::pair<int, bool>>;
    const TracedRun run(test::sampleProgram);
    const std::pair<std::size_t, Bits> arcs[] = {
        {3, {{OutputByte::YPulse, false}}},
        {4, {{OutputByte::XPulse, false}, {OutputByte::XDir, true}}}};
    for (const auto& [segment, first] : arcs) {
        const test::Tick& step = run.segment(segment).ticks.at(0);
        const auto bits = run.panel.bits.begin();
        EXPECT_EQ(Bits(bits + static_cast<std::ptrdiff_t>(step.bitsBefore),
                       bits + static_cast<std::ptrdiff_t>(step.after.bits)),
                  first)
            << "segment " << segment;
    }
}

// The first step from each axis point of the circle: on it counts as outside.
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
        EXPECT_EQ(std::vector({first.xcur - 10 * arc.handed.xs.toDouble(),
                               first.ycur - 10 * arc.handed.ys.toDouble()}),
                  std::vector({c.dx, c.dy}))
            << c.program;
    }
}

}  // namespace
}  // namespace tarvo::motion
