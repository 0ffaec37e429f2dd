#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "interp/Dispatch.h"
#include "interp/Machine.h"
#include "interp/MachineProbe.h"
#include "motion/OutputByte.h"
#include "support/Programs.h"
#include "support/RecordingPanel.h"

namespace tarvo::interp {
namespace {

using motion::Mode;
using motion::OutputByte;

motion::Segment move(double xs, double ys, double zs, double xe, double ye, double ze) {
    motion::Segment s;
    s.xs = xs, s.ys = ys, s.zs = zs;
    s.xe = xe, s.ye = ye, s.ze = ze;
    return s;
}

// --- Register capacity of straight moves ------------------------------------

struct CapacityCase {
    motion::Segment s;
    double regmax;

    friend void PrintTo(const CapacityCase& c, std::ostream* os) {
        *os << "(" << c.s.xs << ", " << c.s.ys << ", " << c.s.zs << ") -> (" << c.s.xe << ", "
            << c.s.ye << ", " << c.s.ze << ")";
    }
};

class InterpRegisterCapacity : public ::testing::TestWithParam<CapacityCase> {};

TEST_P(InterpRegisterCapacity, IsTheSmallestPowerOfTwoFromTwoUp) {
    EXPECT_EQ(registerCapacity(GetParam().s), GetParam().regmax);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, InterpRegisterCapacity,
    ::testing::Values(CapacityCase{move(0, 0, 60, 10, 10, 60), 16},
                      CapacityCase{move(0, 0, 60, 0.5, 0, 60), 2},
                      CapacityCase{move(0, 0, 60, 1, 0, 60), 2},  // 1 is never chosen
                      CapacityCase{move(0, 0, 60, 2, 0, 60), 2},
                      CapacityCase{move(0, 0, 60, 16, 0, 60), 16},
                      CapacityCase{move(0, 0, 60, 16.5, 0, 60), 32},
                      CapacityCase{move(10, 10, 60, 30, 10, 60), 32},
                      CapacityCase{move(0, 0, 60, -20, 3, 60), 32},  // size, not sign
                      CapacityCase{move(0, 0, 60, 0, 0, -5), 128},   // Z counts as well
                      CapacityCase{move(0, 0, 60, 0, 0.001, 60), 2},
                      CapacityCase{move(7, 8, 9, 7, 8, 9), 0}));  // length zero

// --- degorder: what each motion command prepares ----------------------------

// Registers full of leftovers from an earlier segment.
motion::Registers dirty() {
    motion::Registers r;
    r.px = 11, r.py = 12, r.pz = 13, r.jrx = 14, r.jry = 15, r.jrz = 16, r.fm = 17;
    return r;
}

TEST(InterpDegorder, StraightMovesClearTheLinearRegistersAndSizeThem) {
    for (const auto& [gcode, mode] :
         {std::pair{"G00", Mode::Rapid}, std::pair{"G01", Mode::Line}}) {
        motion::Segment s = move(0, 0, 60, 10, 10, 60);
        s.gmode = Mode::CounterClockwise;
        motion::Registers r = dirty();
        ASSERT_TRUE(degorder(gcode, s, r)) << gcode;
        EXPECT_EQ(s.gmode, mode) << gcode;
        EXPECT_EQ(s.regmax, 16) << gcode;
        EXPECT_EQ(std::vector({r.px, r.py, r.pz, r.jrx, r.jry}), std::vector(5, 0.0));
        EXPECT_EQ(r.jrz, 0);
        EXPECT_EQ(r.fm, 17) << "a straight move leaves the arc deviation alone";
    }
}

TEST(InterpDegorder, ArcsLoadTheStartRelativeToTheCentre) {
    for (const auto& [gcode, mode] :
         {std::pair{"G02", Mode::Clockwise}, std::pair{"G03", Mode::CounterClockwise}}) {
        motion::Segment s = move(30, 10, 60, 40, 20, -5);  // arcs stay at the start Z
        s.ic = -0.5, s.jc = -10, s.regmax = 64;
        motion::Registers r = dirty();
        ASSERT_TRUE(degorder(gcode, s, r)) << gcode;
        EXPECT_EQ(s.gmode, mode) << gcode;
        EXPECT_EQ(std::vector({r.px, r.py, r.pz, r.fm}), std::vector({-5.0, -100.0, 600.0, 0.0}));
        // Nothing of linear interpolation is touched.
        EXPECT_EQ(std::vector({s.regmax, r.jrx, r.jry}), std::vector({64.0, 14.0, 15.0}));
        EXPECT_EQ(r.jrz, 16);
    }
}

TEST(InterpDegorder, WithoutAMotionCommandNothingIsPrepared) {
    motion::Segment s = move(0, 0, 60, 10, 10, 60);
    s.gmode = Mode::Clockwise;
    motion::Registers r = dirty();
    EXPECT_FALSE(degorder("", s, r));
    EXPECT_EQ(s.gmode, Mode::Clockwise);
    EXPECT_EQ(r.px, 11);
    EXPECT_EQ(r.fm, 17);
}

// --- demorder: M commands act when the line's motion has ended -------------

// Runs a program to its end, noting the state after every tick.
struct MTrace {
    test::RecordingPanel panel;
    Machine m{panel};
    probe::TickLog log{m, panel};

    explicit MTrace(const std::string& program) {
        m.run(program, {});
        probe::advanceToEnd(m);
        EXPECT_TRUE(panel.messages.empty());
    }
};

// Spindle and coolant switch only when the first motion has ended, whether
// their words stand on the motion line or on lines before it.
class InterpMCommandsWait : public ::testing::TestWithParam<std::string> {};

TEST_P(InterpMCommandsWait, ForTheEndOfTheMotion) {
    MTrace t(GetParam());
    for (const auto& e : t.log.entries) {
        const bool moved = e.after.xs == 5;
        EXPECT_EQ(e.after.outdata.substr(OutputByte::Spindle), moved ? "11" : "00")
            << e.after.points;
        EXPECT_EQ(e.after.spindle && e.after.coolant, moved) << e.after.points;
    }
    EXPECT_EQ(t.m.outdata().texts(), "10101011");
    EXPECT_TRUE(t.panel.spindle && t.panel.coolant);
}

INSTANTIATE_TEST_SUITE_P(Programs, InterpMCommandsWait,
                         ::testing::Values("%\nG01X5M03M08\n", "%\nM03\nM08\nG01X5\n",
                                           "%\nM3\nG01X5m8\n"));

struct AtOnceCase {
    std::string motion;  // the motion lines before the M line
    std::string mline;
    bool spindle, coolant;

    friend void PrintTo(const AtOnceCase& c, std::ostream* os) { *os << '"' << c.mline << '"'; }
};

class InterpMLineAfterMotion : public ::testing::TestWithParam<AtOnceCase> {};

// A line of only M words makes a segment of length zero: it ends on its first
// interpolation tick without a step, and the commands act then.
TEST_P(InterpMLineAfterMotion, ActsOnTheNextInterpolationTick) {
    const AtOnceCase& c = GetParam();
    const std::string program = "%\n" + c.motion + c.mline + "\n";
    MTrace t(program);
    const auto lines =
        static_cast<std::int64_t>(std::count(c.motion.begin(), c.motion.end(), '\n'));
    const auto& entries = t.log.entries;
    std::size_t handOver = 0;
    while (handOver < entries.size() && entries[handOver].after.txtline < lines + 2) ++handOver;
    ASSERT_LT(handOver + 1, entries.size());
    const probe::Snapshot& before = entries[handOver].after;
    const probe::Snapshot& after = entries[handOver + 1].after;
    EXPECT_EQ(entries[handOver].timer, 1);
    EXPECT_TRUE(before.timer2);
    if (before.gmode == Mode::Rapid || before.gmode == Mode::Line) {
        EXPECT_EQ(before.regmax, 0);  // a straight move of length zero
    }
    EXPECT_FALSE(before.spindle);
    EXPECT_EQ(entries[handOver + 1].timer, 2);
    EXPECT_EQ(after.spindle, c.spindle);
    EXPECT_EQ(after.coolant, c.coolant);
    EXPECT_EQ(after.points, before.points) << "no step, and no arc drawn again";
    EXPECT_TRUE(after.timer1);
    EXPECT_FALSE(after.timer2);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, InterpMLineAfterMotion,
    ::testing::Values(AtOnceCase{"G01X5\n", "M03", true, false},
                      AtOnceCase{"G00X5\n", "M08", false, true},
                      AtOnceCase{"G01X5\n", "M3M8", true, true},
                      AtOnceCase{"G01X30Y10\nG03X40Y20I0J10\n", "M03", true, false},
                      AtOnceCase{"G01X30Y10\nG03X40Y20I0J10\n", "G02M08", false, true}));

TEST(InterpDemorder, LaterCommandsSwitchOffAndEachSegmentEndRepeatsTheLast) {
    MTrace t("%\nG01X1M03M08\nX2M05\nX3\nX4M09\nX5\n");
    // The state after each segment's end, in program order.
    std::vector<std::pair<bool, bool>> ends;
    for (const auto& e : t.log.entries) {
        if (e.timer == 2 && e.after.timer1) ends.push_back({e.after.spindle, e.after.coolant});
    }
    const std::vector<std::pair<bool, bool>> expected{
        {true, true}, {false, true}, {false, true}, {false, false}, {false, false}};
    EXPECT_EQ(ends, expected);
    EXPECT_EQ(t.m.outdata().texts(), "10101000");
}

}  // namespace
}  // namespace tarvo::interp
