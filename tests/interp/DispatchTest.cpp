#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "interp/Dispatch.h"
#include "support/MachineRecorder.h"

namespace tarvo::interp {
namespace {

using motion::Mode;
using test::operator==;

motion::Segment move(double xs, double ys, double zs, double xe, double ye, double ze) {
    motion::Segment s;
    using test::decimalOf;
    s.xs = decimalOf(xs), s.ys = decimalOf(ys), s.zs = decimalOf(zs);
    s.xe = decimalOf(xe), s.ye = decimalOf(ye), s.ze = decimalOf(ze);
    return s;
}

// The smallest power of two from 2 up no axis increment exceeds, 0 for no length.
TEST(InterpDispatch, RegisterCapacity) {
    const double cases[][4] = {{10, 10, 0, 16},  {0.5, 0, 0, 2},   {1, 0, 0, 2},
                               {16, 0, 0, 16},   {16.5, 0, 0, 32}, {-20, 3, 0, 32},
                               {0, 0, -65, 128}, {0, 0.001, 0, 2}, {0, 0, 0, 0}};
    for (const auto& [dx, dy, dz, regmax] : cases) {
        EXPECT_EQ(registerCapacity(move(7, 8, 60, 7 + dx, 8 + dy, 60 + dz)).toDouble(), regmax)
            << dx << ", " << dy << ", " << dz;
    }
}

// Lines clear and size the linear registers, arcs load the start and clear fm; neither more.
TEST(InterpDispatch, DegorderPreparesTheRegistersOfTheMode) {
    const motion::Registers dirty{11, 12, 13, 14, 15, 16, 17};
    const struct {
        const char* gcode;
        Mode mode;
        motion::Registers r;
        double regmax;
    } cases[] = {{"G00", Mode::Rapid, {0, 0, 0, 0, 0, 0, 17}, 128},
                 {"G01", Mode::Line, {0, 0, 0, 0, 0, 0, 17}, 128},
                 {"G02", Mode::Clockwise, {-5, -100, 600, 14, 15, 16, 0}, 64},
                 {"G03", Mode::CounterClockwise, {-5, -100, 600, 14, 15, 16, 0}, 64},
                 {"", Mode::Clockwise, dirty, 64}};
    for (const auto& c : cases) {
        motion::Segment s = move(30, 10, 60, 40, 20, -5);  // arcs stay at the start Z
        s.ic = test::decimalOf(-0.5), s.jc = -10, s.regmax = 64, s.gmode = Mode::Clockwise;
        motion::Registers r = dirty;
        EXPECT_EQ(degorder(c.gcode, s, r), *c.gcode != 0) << c.gcode;
        EXPECT_EQ(s.gmode, c.mode) << c.gcode;
        EXPECT_TRUE(r == c.r) << c.gcode;
        EXPECT_EQ(s.regmax.toDouble(), c.regmax) << c.gcode;
    }
}

// Spindle and coolant switch when their line's motion ends, wherever the words stand.
TEST(InterpDispatch, MCommandsActWhenTheMotionEnds) {
    using Switched = std::pair<bool, bool>;  // spindle, coolant
    const std::string arc = "%\nG01X30Y10\nG03X40Y20I0J10\n";
    const struct {
        std::string program;
        std::vector<Switched> ends;  // after each segment
    } cases[] = {
        {"%\nG01X5M03M08\n", {{1, 1}}},
        {"%\nM03\nM08\nG01X5\n", {{1, 1}}},
        {"%\nM3\nG01X5m8\n", {{1, 1}}},
        {"%\nG01X5\nM03\n", {{0, 0}, {1, 0}}},
        {"%\nG00X5\nM08\n", {{0, 0}, {0, 1}}},
        {"%\nG01X5\nM3M8\n", {{0, 0}, {1, 1}}},
        {arc + "M03\n", {{0, 0}, {0, 0}, {1, 0}}},
        {arc + "G02M08\n", {{0, 0}, {0, 0}, {0, 1}}},
        {"%\nG01X1M03M08\nX2M05\nX3\nX4M09\nX5\n", {{1, 1}, {0, 1}, {0, 1}, {0, 0}, {0, 0}}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        const test::TracedRun run(c.program);
        EXPECT_TRUE(run.panel.messages.empty());
        std::vector<Switched> ends;
        Switched now{false, false};
        for (const test::Tick& t : run.ticks) {
            const Switched after{t.after.spindle, t.after.coolant};
            if (t.timer == 2 && t.after.timer1) {
                ends.push_back(now = after);
            } else {
                EXPECT_EQ(after, now) << "tick " << t.after.timer1Ticks + t.after.timer2Ticks;
            }
            const std::string bits{"01"[now.first], "01"[now.second]};
            EXPECT_EQ(t.after.outdata.substr(6), bits);
        }
        EXPECT_EQ(ends, c.ends);
        EXPECT_EQ(Switched(run.panel.spindle, run.panel.coolant), now);
    }
}

}  // namespace
}  // namespace tarvo::interp
