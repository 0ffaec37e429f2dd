#include <gtest/gtest.h>

#include "interp/Dispatch.h"
#include "support/MachineRecorder.h"
#include "support/TableFile.h"

namespace tarvo::interp {
namespace {

motion::Segment move(double xs, double ys, double zs, double xe, double ye, double ze) {
    motion::Segment s;
    s.xs = test::decimalOf(xs), s.ys = test::decimalOf(ys), s.zs = test::decimalOf(zs);
    s.xe = test::decimalOf(xe), s.ye = test::decimalOf(ye), s.ze = test::decimalOf(ze);
    return s;
}

std::vector<double> values(const motion::Registers& r) {
    using test::dbl;
    return {dbl(r.px), dbl(r.py), dbl(r.pz), dbl(r.jrx), dbl(r.jry), static_cast<double>(r.jrz),
            dbl(r.fm)};
}

TARVO_TABLE_SUITE(InterpRegisterCapacity, "register-capacity.tsv");
TARVO_TABLE_SUITE(InterpDegorder, "degorder.tsv");
TARVO_TABLE_SUITE(InterpMCommands, "m-commands.tsv");

TEST_P(InterpRegisterCapacity, IsTheSmallestPowerOfTwoNoIncrementExceeds) {
    const std::vector<double> d = row().numbers("increment");
    EXPECT_EQ(test::dbl(registerCapacity(move(7, 8, 60, 7 + d.at(0), 8 + d.at(1), 60 + d.at(2)))),
              row().number("regmax"));
}

TEST_P(InterpDegorder, PreparesTheRegistersOfTheMode) {
    motion::Segment s = move(30, 10, 60, 40, 20, -5);  // arcs stay at the start Z
    s.ic = test::decimalOf(-0.5), s.jc = -10, s.regmax = 64, s.gmode = motion::Mode::Clockwise;
    motion::Registers r{11, 12, 13, 14, 15, 16, 17};
    const bool prepared = degorder(row()["gcode"], s, r);
    EXPECT_EQ(std::tuple(prepared, double(s.gmode), values(r), test::dbl(s.regmax)),
              std::tuple(!row()["gcode"].empty(), row().number("gmode"), row().numbers("registers"),
                         row().number("regmax")));
}

// Between motions the switches hold, and the output byte's last two bits show them.
TEST_P(InterpMCommands, ActWhenTheMotionEnds) {
    const test::TracedRun run(row()["program"]);
    EXPECT_TRUE(run.panel.messages.empty());
    std::string ends, now = "00";
    for (const test::Tick& t : run.ticks) {
        const std::string after{"01"[t.after.spindle], "01"[t.after.coolant]};
        if (t.timer == 2 && t.after.timer1) {
            ends += (ends.empty() ? "" : " ") + (now = after);
        } else {
            EXPECT_EQ(after, now) << "tick " << t.after.timer1Ticks + t.after.timer2Ticks;
        }
        EXPECT_EQ(t.after.outdata.substr(6), now);
    }
    EXPECT_EQ(ends, row()["switched"]);
    EXPECT_EQ(std::string({"01"[run.panel.spindle], "01"[run.panel.coolant]}), now);
}

}  // namespace
}  // namespace tarvo::interp
