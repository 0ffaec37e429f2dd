#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/MachineRecorder.h"
#include "support/TableFile.h"

namespace tarvo::interp {
namespace {

using test::State;

// Beyond the golden columns: the segment fills word by word; caret and marker follow to the end.
TEST(InterpSampleProgram, SegmentCaretAndMarkerFollowTheReading) {
    const test::TracedRun run(test::sampleProgram);
    ASSERT_TRUE(run.panel.messages.empty());
    const struct {
        std::int64_t caret, markedLine;
        std::string gcode;
        double xe, ye;
    } expected[] = {{2, 0, "", 0, 0},     {2, 0, "", 0, 0},      {2, 0, "G00", 0, 0},
                    {2, 0, "G00", 10, 0}, {2, 0, "G00", 10, 10}, {16, 1, "G00", 10, 10}};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE("tick " + std::to_string(i + 1));
        const auto& e = expected[i];
        const State& t = run.ticks.at(i).after;
        EXPECT_EQ(std::vector({t.caret, t.markedLine}), std::vector({e.caret, e.markedLine}));
        EXPECT_EQ(t.gcode, e.gcode);
        EXPECT_EQ(std::vector({t.s.xe, t.s.ye, t.s.ze}), std::vector({e.xe, e.ye, 60.0}));
        EXPECT_EQ(std::pair(t.timer1, t.timer2), std::pair(i < 5, i == 5));
    }
    const State &handed = run.ticks.at(5).after, &end = run.ticks.back().after;
    EXPECT_EQ(handed.s.gmode, motion::Mode::Rapid);
    EXPECT_EQ(std::vector({handed.s.xs, handed.s.ys, handed.s.zs}), std::vector({0.0, 0.0, 60.0}));
    EXPECT_EQ(end.caret, static_cast<std::int64_t>(test::sampleProgram.size()) - 1);
    EXPECT_EQ(end.markedLine, 8);
}

TARVO_TABLE_SUITE(InterpProgram, "bad-programs.tsv");

TEST_P(InterpProgram, ErrorsAndEndings) {
    test::RecordingPanel panel;
    Machine m(panel);
    test::runToEnd(m, row()["program"]);
    EXPECT_TRUE(m.idle());
    EXPECT_EQ(test::shown(panel), row()["shown"]);
    EXPECT_EQ(std::vector({m.segment().xs, m.segment().ys}), row().numbers("tool"));
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
    EXPECT_EQ(std::vector({end.s.xs, end.s.ys}), std::vector({2.0, 3.0}));
}

}  // namespace
}  // namespace tarvo::interp
