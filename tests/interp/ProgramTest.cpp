#include <gtest/gtest.h>

#include "support/MachineRecorder.h"
#include "support/TableFile.h"

namespace tarvo::interp {
namespace {

using test::State;

TARVO_TABLE_SUITE(InterpSampleReading, "sample-reading.tsv");

// Beyond the golden columns: the segment fills word by word; caret and marker follow to the end.
TEST_P(InterpSampleReading, SegmentCaretAndMarkerFollowTheReading) {
    const test::TracedRun run(test::sampleProgram);
    ASSERT_EQ(run.ticks.size(), 363u);
    const State& t = run.ticks.at(row().as<std::size_t>("tick") - 1).after;
    const motion::Segment& s = t.s;
    EXPECT_EQ(std::tuple(t.caret, t.markedLine, t.gcode),
              std::tuple(row().as<std::int64_t>("caret"), row().as<std::int64_t>("marked"),
                         row()["gcode"]));
    using test::dbl;
    EXPECT_EQ(std::vector({dbl(s.xs), dbl(s.ys), dbl(s.zs), dbl(s.xe), dbl(s.ye), dbl(s.ze),
                           double(s.gmode)}),
              row().numbers("segment"));
    EXPECT_EQ(std::vector({double(t.timer1), double(t.timer2)}), row().numbers("timers"));
}

TARVO_TABLE_SUITE(InterpProgram, "bad-programs.tsv");

TEST_P(InterpProgram, ErrorsAndEndings) {
    test::RecordingPanel panel;
    Machine m(panel);
    test::runToEnd(m, row()["program"]);
    EXPECT_TRUE(m.idle());
    EXPECT_EQ(test::shown(panel), row()["shown"]);
    EXPECT_EQ(std::vector({test::dbl(m.segment().xs), test::dbl(m.segment().ys)}),
              row().numbers("tool"));
    EXPECT_EQ(m.segment().zs, 60);
}
// Positions, line counts and the length of a line are wider than 16 bits.
TEST(InterpLongProgram, RunsBeyondSixteenBitPositionsToItsEnd) {
    std::string program = "%\nG01" + std::string(100000, ' ') + "X1\n";
    for (int i = 0; i < 40000; ++i) program += i % 2 ? "\n" : "N1\n";
    program += "X2Y3\n";
    test::Rig r;
    test::runToEnd(r.machine, program);
    const State end = r.now();
    EXPECT_EQ(test::shown(r.panel), "");
    EXPECT_EQ(std::vector<std::int64_t>({end.txtline, end.caret, end.markedLine}),
              std::vector<std::int64_t>({40003, std::ssize(program) - 1, 40002}));
    EXPECT_EQ(std::vector({end.s.xs, end.s.ys}), std::vector<motion::Decimal>({2, 3}));
}

}  // namespace
}  // namespace tarvo::interp
