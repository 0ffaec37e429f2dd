#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "support/MachineRecorder.h"

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
        EXPECT_EQ(std::vector({t.s.xe.toDouble(), t.s.ye.toDouble(), t.s.ze.toDouble()}),
                  std::vector({e.xe, e.ye, 60.0}));
        EXPECT_EQ(std::pair(t.timer1, t.timer2), std::pair(i < 5, i == 5));
    }
    const State &handed = run.ticks.at(5).after, &end = run.ticks.back().after;
    EXPECT_EQ(handed.s.gmode, motion::Mode::Rapid);
    EXPECT_EQ(std::vector({handed.s.xs, handed.s.ys, handed.s.zs}),
              std::vector<motion::Decimal>({0, 0, 60}));
    EXPECT_EQ(end.caret, static_cast<std::int64_t>(test::sampleProgram.size()) - 1);
    EXPECT_EQ(end.markedLine, 8);
}

// Errors stop with line and message, the tool where it last ended; odd texts run. CR ends no line.
TEST(InterpProgram, ErrorsAndEndings) {
    using namespace std::string_literals;
    const std::string start = "没有开始符,结束符 \xE2\x80\x9C%\xE2\x80\x9D", G = "G....",
                      M = "M....", arc = "%\nG01X30Y10\nG03X40Y20I0J10\n", off = "终点不在圆弧上",
                      wider = arc + "G02X30Y30I0J11\n", outside = arc + "G02X29.89Y30I0J10\n",
                      inside = arc + "G02X29.91Y30I0J10\n",
                      twelfth = "%" + std::string(11, '\n') + "M7\n";
    const struct {
        std::string program;
        int line;  // of the error, 0 for none
        std::string message;
        double xs, ys;
    } cases[] = {{"G01X5\n%\n", 1, start, 0, 0},
                 {" %\nG01X5\n", 1, start, 0, 0},
                 {"\n%\nG01X5\n", 1, start, 0, 0},
                 {"\r\n%\n", 1, start, 0, 0},
                 {"%\nG00X5\nG04\n", 3, G, 5, 0},
                 {"%\nG\n", 2, G, 0, 0},
                 {"%\nG4\n", 2, G, 0, 0},
                 {"%\ng04\n", 2, G, 0, 0},
                 {"%\nG000\n", 2, G, 0, 0},
                 {"%\nG91\n", 2, G, 0, 0},
                 {"%\nG01X1\nM\n", 3, M, 1, 0},
                 {"%\nM02\n", 2, M, 0, 0},
                 {"%\nM04\n", 2, M, 0, 0},
                 {"%\nm003\n", 2, M, 0, 0},
                 {"%\nX\n", 2, "X....", 0, 0},
                 {"%\nG01xF5\n", 2, "X....", 0, 0},
                 {"%\nY\n", 2, "Y....", 0, 0},
                 {"%\nz\n", 2, "Z....", 0, 0},
                 {"%\nI\n", 2, "I....", 0, 0},
                 {"%\nJ\n", 2, "J....", 0, 0},
                 {"%\nJ+5\n", 2, "J....", 0, 0},
                 {"%\rG01X5\rG04\r", 1, G, 0, 0},
                 {twelfth, 12, M, 0, 0},
                 {wider, 4, off, 40, 20},
                 {outside, 4, off, 40, 20},
                 {"%\nG01X10Y10J5\n", 2, off, 0, 0},
                 {inside, 0, "", 29.91, 30},
                 {"%\nG01X5\nX9 ", 0, "", 9, 0},
                 {"%\rG01X5\rY5\r", 0, "", 5, 5},
                 {"%\nG01X5\nM30\nY8\n", 0, "", 5, 8},
                 {"\xEF\xBB\xBF%\nG01X5\n", 1, start, 0, 0},
                 {"%\nG01X--5Y1.2.3\nX.5\n%\n", 0, "", 0.5, 1.2},
                 {"%\nG01X0000000010Y0\n%\n", 0, "", 1, 0},
                 {"%\nG00X10Y0\nG02X10Y0I-10J0\n%\n", 0, "", 10, 0},  // a full circle is skipped
                 {"%\nG00X3Y3\nG02X3Y3I0J0\n%\n", 0, "", 3, 3},
                 {"%\ng01x10y5\nm03\n%\n", 0, "", 10, 5},
                 {"%\n\tG01\tX10\t\n%\n", 0, "", 10, 0},
                 {"%\nG01X1\0Y2\n%\n"s, 0, "", 1, 2},
                 {"%\nG01" + std::string(100000, ' ') + "X2\n%\n", 0, "", 2, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        test::RecordingPanel panel;
        Machine m(panel);
        test::runToEnd(m, c.program);
        EXPECT_TRUE(m.idle());
        EXPECT_EQ(test::shown(panel),
                  c.line ? "第" + std::to_string(c.line) + "行有错" + c.message + " (出错)" : "");
        EXPECT_EQ(std::vector({m.segment().xs.toDouble(), m.segment().ys.toDouble(),
                               m.segment().zs.toDouble()}),
                  std::vector({c.xs, c.ys, 60.0}));
    }
}

// Positions and line counts are wider than 16 bits.
TEST(InterpProgram, RunsBeyondSixteenBitPositionsToItsEnd) {
    std::string program = "%\nG01X1\n";
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
