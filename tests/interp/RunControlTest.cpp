#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <vector>

#include "interp/Machine.h"
#include "interp/MachineProbe.h"
#include "interp/Messages.h"
#include "support/Programs.h"
#include "support/RecordingPanel.h"

namespace tarvo::interp {
namespace {

using probe::Snapshot;
using probe::snapshot;

std::uint64_t ticks(const Machine& m) {
    return m.timer1Ticks() + m.timer2Ticks();
}

// Advances until the machine has made at least n timer ticks in all.
void advanceTicks(Machine& m, std::uint64_t n) {
    while (ticks(m) < n && m.advancing()) m.advance();
}

// Advances until Timer2 is in the middle of the segment that starts at x:
// the tool has left the start point and not yet reached the end.
void advanceIntoSegmentFrom(Machine& m, double x) {
    for (int i = 0; i < 100000 && m.advancing(); ++i) {
        const motion::Segment& s = m.segment();
        const auto& e = m.interpolator();
        if (m.timer2().enabled && s.xs == x && (e.xcur != 10 * s.xs || e.ycur != 10 * s.ys)) return;
        m.advance();
    }
    FAIL() << "no segment from X " << x;
}

class InterpRunControl : public ::testing::Test {
protected:
    test::RecordingPanel panel;
    Machine m{panel};
};

TEST_F(InterpRunControl, RunStartsFromTheStartValues) {
    test::runToEnd(m, "%\nG01X5Y6Z-1M03M08\nG02X7Y6I1J0\n");  // leaves state everywhere
    Parameters p;
    p.g54x = 1.5, p.g54y = -2, p.bei = 3, p.dl = 0.01;
    m.run("%\nX1\n", p);
    const motion::Segment& s = m.segment();
    EXPECT_EQ(std::vector({s.xs, s.ys, s.zs, s.xe, s.ye, s.ze, s.ic, s.jc}),
              std::vector<double>({0, 0, 60, 0, 0, 60, 0, 0}));
    EXPECT_EQ(s.gmode, motion::Mode::Rapid);
    EXPECT_EQ(m.interpreter().progtxt(), "%\nX1\n");
    EXPECT_EQ(m.interpreter().txtpos + m.interpreter().txtline, 0);
    EXPECT_EQ(m.outdata().texts(), "10101000");
    EXPECT_FALSE(m.switches().zhukg || m.switches().lengkg || panel.spindle || panel.coolant);
    EXPECT_EQ(m.path().pathUpper() + m.path().wallUpper(), 0u);
    EXPECT_EQ(panel.markedLine, 0);
    EXPECT_EQ(std::vector({panel.origin.x, panel.origin.y, panel.origin.z}),
              std::vector<double>({1.5, -2, 0}));
    EXPECT_EQ(m.bei(), 3);
    EXPECT_DOUBLE_EQ(m.dlstep(), 0.1);
    EXPECT_TRUE(m.timer1().enabled);
}

TEST_F(InterpRunControl, EmptyTextIsRefusedAndNothingChanges) {
    // Once after a finished run, once in the middle of one.
    test::runToEnd(m, test::sampleProgram);
    const Snapshot finished = snapshot(m, panel);
    m.run("", {});
    EXPECT_EQ(snapshot(m, panel), finished);
    EXPECT_TRUE(m.idle());

    m.run(test::sampleProgram, {});
    advanceIntoSegmentFrom(m, 10);
    const Snapshot running = snapshot(m, panel);
    m.run("", {});
    EXPECT_EQ(snapshot(m, panel), running);

    ASSERT_EQ(panel.messages.size(), 2u);
    for (const auto& msg : panel.messages) {
        EXPECT_EQ(msg.text, "请加载NC程序");
        EXPECT_EQ(msg.title, "加载失败");
    }
}

TEST(InterpRefusedParameters, StartNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double dl;
        std::int16_t bei;
        std::string_view message;
    } cases[] = {{0, 1, messages::badPulseEquivalent},   {-1, 1, messages::badPulseEquivalent},
                 {nan, 1, messages::badPulseEquivalent}, {inf, 1, messages::badPulseEquivalent},
                 {1, 0, messages::badMagnification},     {1, -2, messages::badMagnification}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "dl " << c.dl << ", bei " << c.bei);
        test::RecordingPanel panel;
        Machine m(panel);
        Parameters p;
        p.dl = c.dl, p.bei = c.bei;
        m.run(test::sampleProgram, p);
        ASSERT_EQ(panel.messages.size(), 1u);
        EXPECT_EQ(panel.messages[0].title, "参数错误");
        EXPECT_EQ(panel.messages[0].text, c.message);
        EXPECT_TRUE(m.idle());
        EXPECT_TRUE(m.interpreter().progtxt().empty());
        EXPECT_TRUE(panel.bits.empty());
        EXPECT_EQ(panel.markedLine, -1);
    }
}

// Pausing at any moment and resuming later must not change the run at all:
// the paused machine, after as many ticks, equals one that never paused.
class InterpPauseResume : public ::testing::TestWithParam<std::uint64_t> {};

TEST_P(InterpPauseResume, ContinuesExactlyWhereItStopped) {
    const std::uint64_t pauseAt = GetParam(), compareAt = pauseAt + 40;
    test::RecordingPanel plainPanel;
    Machine plain(plainPanel);
    plain.run(test::sampleProgram, {});
    advanceTicks(plain, compareAt);

    test::RecordingPanel panel;
    Machine m(panel);
    m.run(test::sampleProgram, {});
    advanceTicks(m, pauseAt);
    m.pause();
    EXPECT_TRUE(m.paused());
    EXPECT_FALSE(m.advancing());
    EXPECT_FALSE(m.idle());
    const Snapshot held = snapshot(m, panel);
    for (int i = 0; i < 25; ++i) m.advance();
    m.pause();  // a second Pause changes nothing
    EXPECT_EQ(snapshot(m, panel), held);

    m.run("", {});  // resuming needs no text
    EXPECT_FALSE(m.paused());
    EXPECT_TRUE(panel.messages.empty());
    advanceTicks(m, compareAt);
    EXPECT_EQ(snapshot(m, panel), snapshot(plain, plainPanel));
    EXPECT_EQ(panel.points.size(), plainPanel.points.size());
}

// Ticks of the sample program: 3 (reading words), 6 (the hand-over), 7 and
// 30 (the first move), 60 (the G01), 120 and 170 (the arcs), 300 (the last
// moves), 361 (the closing line).
INSTANTIATE_TEST_SUITE_P(Moments, InterpPauseResume,
                         ::testing::Values(3u, 6u, 7u, 30u, 60u, 120u, 170u, 300u, 361u));

class InterpPausedWhileIdle : public ::testing::TestWithParam<bool> {};

TEST_P(InterpPausedWhileIdle, FirstRunOnlyResumesAndTheNextStartsAfresh) {
    test::RecordingPanel panel;
    Machine m(panel);
    if (GetParam()) {
        // Paused in the middle of a run, then stopped.
        m.run(test::sampleProgram, {});
        advanceIntoSegmentFrom(m, 10);
        m.pause();
        m.stop();
    } else {
        m.pause();
    }
    EXPECT_TRUE(m.paused());
    EXPECT_TRUE(m.idle());
    const Snapshot before = snapshot(m, panel);

    m.run(test::sampleProgram, {});
    EXPECT_FALSE(m.paused());
    EXPECT_TRUE(m.idle());
    for (int i = 0; i < 10; ++i) m.advance();
    EXPECT_EQ(snapshot(m, panel), before);

    m.run(test::sampleProgram, {});
    EXPECT_EQ(m.interpreter().txtpos, 0);
    probe::advanceToEnd(m);
    EXPECT_TRUE(panel.messages.empty());
    EXPECT_EQ(m.segment().xs, -10);
    EXPECT_EQ(m.segment().ys, -10);
}

INSTANTIATE_TEST_SUITE_P(Ways, InterpPausedWhileIdle, ::testing::Bool());

TEST_F(InterpRunControl, StopPutsMarkerAndCaretBackAndKeepsTheRest) {
    m.run(test::sampleProgram, {});
    advanceIntoSegmentFrom(m, 30);  // the first arc
    Snapshot expected = snapshot(m, panel);
    m.stop();
    EXPECT_TRUE(m.idle());
    EXPECT_FALSE(m.paused());
    EXPECT_EQ(panel.markedLine, 0);
    EXPECT_EQ(panel.caret, 0);
    expected.caret = 0, expected.markedLine = 0;
    expected.timer1 = expected.timer2 = false;
    for (int i = 0; i < 10; ++i) m.advance();
    EXPECT_EQ(snapshot(m, panel), expected);
}

std::vector<std::array<double, 3>> pointsFrom(const test::RecordingPanel& p, std::size_t first) {
    std::vector<std::array<double, 3>> out;
    for (std::size_t i = first; i < p.points.size(); ++i) {
        out.push_back({p.points[i].x, p.points[i].y, p.points[i].z});
    }
    return out;
}

// Run in the middle of a segment, with or without Stop before it: the program
// starts again at X 0, Y 0, Z 60 and draws what an undisturbed run draws.
class InterpRestart : public ::testing::TestWithParam<bool> {};

TEST_P(InterpRestart, StartsFromTheBeginning) {
    test::RecordingPanel plainPanel;
    Machine plain(plainPanel);
    test::runToEnd(plain, test::sampleProgram);

    test::RecordingPanel panel;
    Machine m(panel);
    m.run(test::sampleProgram, {});
    advanceIntoSegmentFrom(m, 30);
    const bool stopFirst = GetParam();
    if (stopFirst) m.stop();
    m.run(test::sampleProgram, {});
    EXPECT_EQ(std::vector({m.segment().xs, m.segment().ys, m.segment().zs}),
              std::vector({0.0, 0.0, 60.0}));
    EXPECT_TRUE(m.timer1().enabled);
    EXPECT_EQ(m.timer2().enabled, !stopFirst);  // Run leaves Timer2 alone
    const std::size_t before = panel.points.size();
    probe::advanceToEnd(m);
    EXPECT_TRUE(panel.messages.empty());
    EXPECT_EQ(pointsFrom(panel, before), pointsFrom(plainPanel, 0));
}

INSTANTIATE_TEST_SUITE_P(AfterStopOrNot, InterpRestart, ::testing::Bool());

TEST_F(InterpRunControl, PendingSegmentOfAnInterruptedRunHandsBack) {
    // The new program's first tick reads a word, so the old Timer2 ticks too:
    // the reset segment has no length and hands back without a step.
    m.run(test::sampleProgram, {});
    advanceIntoSegmentFrom(m, 10);
    m.run("%G01X5\n", {});
    const std::size_t points = panel.points.size();
    const std::uint64_t t2 = m.timer2Ticks();
    m.advance();
    EXPECT_EQ(m.timer2Ticks(), t2 + 1);
    EXPECT_FALSE(m.timer2().enabled);
    EXPECT_TRUE(m.timer1().enabled);
    EXPECT_EQ(panel.points.size(), points);
    EXPECT_EQ(m.interpreter().gcode, "G01");
    probe::advanceToEnd(m);
    EXPECT_EQ(m.segment().xs, 5);
    EXPECT_EQ(m.segment().ys, 0);
}

// One timer at a time: each millisecond holds at most one tick, except the
// first one after a Run during a run, when both timers are enabled.
TEST_F(InterpRunControl, AtMostOneTimerTicksPerMillisecond) {
    m.run(test::sampleProgram, {});
    while (m.advancing()) {
        const std::uint64_t t = ticks(m);
        EXPECT_EQ(m.timer1().enabled + m.timer2().enabled, 1);
        m.advance();
        ASSERT_EQ(ticks(m), t + 1) << "after tick " << t << ", txtline " << m.interpreter().txtline;
    }
    EXPECT_TRUE(panel.messages.empty());
}

// A program error stops both timers, so a segment left pending by the run it
// interrupted cannot hand back and start the interpreter again.
TEST_F(InterpRunControl, ErrorStopsBothTimers) {
    m.run(test::sampleProgram, {});
    advanceIntoSegmentFrom(m, 10);
    m.run("G01X5\n", {});  // no start symbol
    const std::uint64_t t2 = m.timer2Ticks();
    const std::size_t points = panel.points.size();
    for (int i = 0; i < 20; ++i) m.advance();
    ASSERT_EQ(panel.messages.size(), 1u);
    EXPECT_EQ(panel.messages[0].text, "第1行有错没有开始符,结束符 “%”");
    EXPECT_TRUE(m.idle());
    EXPECT_EQ(m.timer2Ticks(), t2);
    EXPECT_EQ(panel.points.size(), points);
}

// Positions and line counts are wider than 16 bits: a long program runs to
// its last line.
TEST_F(InterpRunControl, ProgramBeyondSixteenBitPositionsRunsToItsEnd) {
    std::string program = "%\nG01X1\n";
    for (int i = 0; i < 40000; ++i) program += i % 2 ? "\n" : "N1\n";
    program += "X2Y3\n";
    ASSERT_GT(program.size(), 70000u);
    test::runToEnd(m, program);
    EXPECT_TRUE(panel.messages.empty());
    EXPECT_EQ(m.interpreter().txtline, 40003);
    EXPECT_EQ(panel.caret, static_cast<std::int64_t>(program.size()) - 1);
    EXPECT_EQ(panel.markedLine, 40002);
    EXPECT_EQ(m.segment().xs, 2);
    EXPECT_EQ(m.segment().ys, 3);
    EXPECT_TRUE(m.idle());
}

}  // namespace
}  // namespace tarvo::interp
