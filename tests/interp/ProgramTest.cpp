#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "interp/Machine.h"
#include "interp/MachineProbe.h"
#include "support/Programs.h"
#include "support/RecordingPanel.h"

namespace tarvo::interp {
namespace {

using probe::Snapshot;
using probe::TickLog;

class InterpSampleProgram : public ::testing::Test {
protected:
    test::RecordingPanel panel;
    Machine m{panel};
    TickLog log{m, panel};

    void SetUp() override {
        m.run(test::sampleProgram, {});
        probe::advanceToEnd(m);
        ASSERT_TRUE(panel.messages.empty());
    }
};

// Tick 1 reads "%", CR and LF and hands line 1 over with no motion command,
// so the interpreter goes straight on; ticks 2 to 5 read G90, G00, X10 and
// Y10; tick 6 reads CR and LF and hands over the rapid move.
TEST_F(InterpSampleProgram, FirstSixInterpreterTicks) {
    struct Expected {
        std::int64_t txtpos, txtline, caret, markedLine;
        std::string gcode;
        double xe, ye;
        bool timer1, timer2;
    };
    const Expected expected[] = {
        {3, 1, 2, 0, "", 0, 0, true, false},       {6, 1, 2, 0, "", 0, 0, true, false},
        {9, 1, 2, 0, "G00", 0, 0, true, false},    {12, 1, 2, 0, "G00", 10, 0, true, false},
        {15, 1, 2, 0, "G00", 10, 10, true, false}, {17, 2, 16, 1, "G00", 10, 10, false, true}};
    for (int i = 0; i < 6; ++i) {
        SCOPED_TRACE("tick " + std::to_string(i + 1));
        const Expected& e = expected[i];
        const Snapshot& t = log.entries.at(i).after;
        EXPECT_EQ(log.entries.at(i).timer, 1);
        EXPECT_EQ(std::vector({t.txtpos, t.txtline, t.caret, t.markedLine}),
                  std::vector({e.txtpos, e.txtline, e.caret, e.markedLine}));
        EXPECT_EQ(t.gcode, e.gcode);
        EXPECT_EQ(std::vector({t.xe, t.ye, t.ze}), std::vector({e.xe, e.ye, 60.0}));
        EXPECT_EQ(t.timer1, e.timer1);
        EXPECT_EQ(t.timer2, e.timer2);
    }
    const Snapshot& t6 = log.entries.at(5).after;
    EXPECT_EQ(t6.gmode, motion::Mode::Rapid);
    EXPECT_EQ(std::vector({t6.xs, t6.ys, t6.zs}), std::vector({0.0, 0.0, 60.0}));
    EXPECT_EQ(t6.regmax, 16);
    EXPECT_EQ(t6.points, 0u);
    EXPECT_EQ(log.entries.at(6).timer, 2);
}

TEST_F(InterpSampleProgram, ClosingLineHandsOverOnceMoreThenTheTextEnds) {
    // 23 words, 9 line ends and the tick that finds the end of the text.
    EXPECT_EQ(m.timer1Ticks(), 33u);
    const std::vector<Snapshot> t = log.of(1);
    const Snapshot& closing = t.at(t.size() - 2);
    EXPECT_EQ(closing.txtline, 9);
    EXPECT_EQ(closing.markedLine, 8);
    EXPECT_EQ(closing.caret, static_cast<std::int64_t>(test::sampleProgram.size()) - 1);
    EXPECT_TRUE(closing.timer2);  // a G00 of length zero
    EXPECT_EQ(closing.regmax, 0);
    // The zero-length segment ends on its first tick, without a step.
    const Snapshot last2 = log.of(2).back();
    EXPECT_EQ(last2.points, closing.points);
    EXPECT_TRUE(last2.timer1);

    const Snapshot& end = t.back();
    EXPECT_EQ(end.txtpos, 0);
    EXPECT_EQ(end.caret, closing.caret);
    EXPECT_EQ(end.markedLine, 8);
    EXPECT_TRUE(m.idle());
    EXPECT_EQ(std::vector({m.segment().xs, m.segment().ys, m.segment().zs}),
              std::vector({-10.0, -10.0, 60.0}));
}

// --- Every program error: exact text, title and line -----------------------

struct ErrorCase {
    std::string program, text;

    friend void PrintTo(const ErrorCase& c, std::ostream* os) { *os << '"' << c.program << '"'; }
};

class InterpProgramErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(InterpProgramErrors, StopTheRunWithTheLineAndMessage) {
    const ErrorCase& c = GetParam();
    test::RecordingPanel panel;
    Machine m(panel);
    m.run(c.program, {});
    probe::advanceToEnd(m);
    ASSERT_EQ(panel.messages.size(), 1u) << c.program;
    EXPECT_EQ(panel.messages[0].text, c.text) << c.program;
    EXPECT_EQ(panel.messages[0].title, "出错");
    EXPECT_TRUE(m.idle());
    // Closing the message does not bring the run back.
    const std::uint64_t ticks = m.timer1Ticks() + m.timer2Ticks();
    for (int i = 0; i < 10; ++i) m.advance();
    EXPECT_EQ(m.timer1Ticks() + m.timer2Ticks(), ticks);
}

const std::string noStart = "没有开始符,结束符 \xE2\x80\x9C%\xE2\x80\x9D";  // full-width quotes
const std::string arcLines = "%\nG01X30Y10\nG03X40Y20I0J10\n";

INSTANTIATE_TEST_SUITE_P(
    Programs, InterpProgramErrors,
    ::testing::Values(
        ErrorCase{"G01X5\n%\n", "第1行有错" + noStart},
        ErrorCase{" %\nG01X5\n", "第1行有错" + noStart},
        ErrorCase{"\n%\nG01X5\n", "第1行有错" + noStart},
        ErrorCase{"\r\n%\n", "第1行有错" + noStart}, ErrorCase{"%\nG01X5\nG04\n", "第3行有错G...."},
        ErrorCase{"%\nG\n", "第2行有错G...."}, ErrorCase{"%\nG4\n", "第2行有错G...."},
        ErrorCase{"%\ng04\n", "第2行有错G...."}, ErrorCase{"%\nG000\n", "第2行有错G...."},
        ErrorCase{"%\nG91\n", "第2行有错G...."}, ErrorCase{"%\nG01X1\nM\n", "第3行有错M...."},
        ErrorCase{"%\nM02\n", "第2行有错M...."}, ErrorCase{"%\nM04\n", "第2行有错M...."},
        ErrorCase{"%\nm003\n", "第2行有错M...."}, ErrorCase{"%\nX\n", "第2行有错X...."},
        ErrorCase{"%\nG01xF5\n", "第2行有错X...."}, ErrorCase{"%\nY\n", "第2行有错Y...."},
        ErrorCase{"%\nz\n", "第2行有错Z...."}, ErrorCase{"%\nI\n", "第2行有错I...."},
        ErrorCase{"%\nJ\n", "第2行有错J...."}, ErrorCase{"%\nJ+5\n", "第2行有错J...."},
        ErrorCase{"%\rG01X5\rG04\r", "第1行有错G...."},  // carriage returns only: one line
        ErrorCase{"%\n\n\n\n\n\n\n\n\n\n\nM7\n", "第12行有错M...."},
        ErrorCase{arcLines + "G02X30Y30I0J11\n", "第4行有错终点不在圆弧上"},
        ErrorCase{arcLines + "G02X29.89Y30I0J10\n", "第4行有错终点不在圆弧上"},
        ErrorCase{"%\nG01X10Y10J5\n", "第2行有错终点不在圆弧上"}));

TEST(InterpProgramErrorState, FaultyLineKeepsItsEarlierWordsUntilTheNextRun) {
    test::RecordingPanel panel;
    Machine m(panel);
    test::runToEnd(m, "%\nG01X5M08\nG02X7Y8Z9M03G04X1\n");
    ASSERT_EQ(panel.messages.size(), 1u);
    EXPECT_EQ(panel.messages[0].text, "第3行有错G....");
    const Interpreter& i = m.interpreter();
    const motion::Segment& s = m.segment();
    EXPECT_EQ(std::vector({i.gcode, i.mcode, i.lcode}),
              std::vector<std::string_view>({"G02", "M03", "M08"}));
    EXPECT_EQ(std::vector({s.xs, s.xe, s.ye, s.ze}), std::vector({5.0, 7.0, 8.0, 9.0}));
    EXPECT_TRUE(m.switches().lengkg);  // line 2 ended its motion
    EXPECT_FALSE(m.switches().zhukg);  // line 3 never moved

    m.run("%\n", {});
    EXPECT_EQ(i.gcode.size() + i.mcode.size() + i.lcode.size(), 0u);
    EXPECT_EQ(std::vector({s.xs, s.xe, s.ye, s.ze}), std::vector({0.0, 0.0, 0.0, 60.0}));
    EXPECT_FALSE(m.switches().lengkg);
}

// --- How programs end, and what a line hands over --------------------------

struct EndingCase {
    std::string name, program;
    double xs, ys;       // the tool position when the run is over
    double xe;           // the last X written
    std::int64_t caret;  // -1: the end of the text
    std::int64_t txtline;
};

class InterpProgramEndings : public ::testing::TestWithParam<EndingCase> {};

TEST_P(InterpProgramEndings, LeaveTheToolAndEditorWhereExpected) {
    const EndingCase& c = GetParam();
    test::RecordingPanel panel;
    Machine m(panel);
    test::runToEnd(m, c.program);
    EXPECT_TRUE(panel.messages.empty());
    EXPECT_TRUE(m.idle());
    EXPECT_EQ(m.segment().xs, c.xs);
    EXPECT_EQ(m.segment().ys, c.ys);
    EXPECT_EQ(m.segment().zs, 60);
    EXPECT_EQ(m.segment().xe, c.xe);
    EXPECT_EQ(panel.caret, c.caret < 0 ? static_cast<std::int64_t>(c.program.size()) : c.caret);
    EXPECT_EQ(m.interpreter().txtline, c.txtline);
    EXPECT_EQ(m.interpreter().txtpos, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, InterpProgramEndings,
    ::testing::Values(
        // The last word is stored but its line is never handed over.
        EndingCase{"LastWordWithoutLineFeed", "%\nG01X5\nX9", 5, 0, 9, 7, 2},
        // An ignored last character: passing the end counts as the line end.
        EndingCase{"BlankWithoutLineFeed", "%\nG01X5\nX9 ", 9, 0, 9, -1, 3},
        EndingCase{"ClosingPercentWithoutLineFeed", "%\nG01X5\nX9\n%", 9, 0, 9, -1, 4},
        EndingCase{"CarriageReturnsOnly", "%\rG01X5\rY5\r", 5, 5, 5, -1, 1},
        EndingCase{"ModalMotionCommand", "%\nG01X10\nY10\n", 10, 10, 10, 12, 3},
        EndingCase{"M30DoesNotEnd", "%\nG01X5\nM30\nX8\n", 8, 0, 8, 14, 4}),
    [](const auto& param) { return param.param.name; });

}  // namespace
}  // namespace tarvo::interp
