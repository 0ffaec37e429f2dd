#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <string>
#include <vector>

#include "support/MachineRecorder.h"

namespace tarvo::interp {
namespace {

using test::Rig;
using test::State;

// Advances until Timer2 is mid-way through the segment that starts at x.
void advanceIntoSegmentFrom(Machine& m, double x) {
    for (int i = 0; i < 100000 && m.advancing(); ++i) {
        const motion::Segment& s = m.segment();
        const auto& e = m.interpolator();
        if (m.timer2().enabled && s.xs == x && (e.xcur != 10 * s.xs || e.ycur != 10 * s.ys)) return;
        m.advance();
    }
    FAIL() << "no segment from X " << x;
}

std::vector<std::array<double, 3>> pointsFrom(const test::RecordingPanel& p, std::size_t first) {
    std::vector<std::array<double, 3>> out;
    for (std::size_t i = first; i < p.points.size(); ++i) {
        out.push_back({p.points[i].x, p.points[i].y, p.points[i].z});
    }
    return out;
}

// An error keeps the line's words and switches; the next Run starts afresh but for point and caret.
TEST(InterpRunControl, ErrorKeepsTheLineAndRunStartsAfresh) {
    Rig r, fresh;
    test::runToEnd(r.machine, "%\nG01X5Y6Z-1M08\nG02X7Y8Z9M03G04X1\n");
    const State failed = r.now();
    EXPECT_EQ(test::shown(r.panel), "第3行有错G.... (出错)");
    EXPECT_EQ(failed.gcode + failed.mcode + failed.lcode, "G02M03M08");
    EXPECT_EQ(std::vector({failed.s.xs, failed.s.xe, failed.s.ye, failed.s.ze, failed.zcur}),
              std::vector({5.0, 7.0, 8.0, 9.0, -10.0}));
    EXPECT_TRUE(failed.coolant && !failed.spindle);  // line 3 never moved

    Parameters p;
    p.g54x = 1.5, p.g54y = -2, p.bei = 3, p.dl = 0.01;
    fresh.machine.run("%\nX1\n", p);
    r.machine.run("%\nX1\n", p);
    State expected = fresh.now();
    expected.xcur = failed.xcur, expected.ycur = failed.ycur, expected.zcur = failed.zcur;
    expected.r = failed.r, expected.s.regmax = failed.s.regmax, expected.caret = failed.caret;
    expected.timer1Ticks = failed.timer1Ticks, expected.timer2Ticks = failed.timer2Ticks;
    expected.points = failed.points, expected.bits = r.panel.bits.size();
    EXPECT_EQ(r.now(), expected);
    EXPECT_FALSE(r.panel.spindle || r.panel.coolant);
    EXPECT_EQ(std::vector({r.panel.origin.x, r.panel.origin.y, r.panel.origin.z}),
              std::vector<double>({1.5, -2, 0}));
    EXPECT_EQ(r.machine.bei(), 3);
    EXPECT_DOUBLE_EQ(r.machine.dlstep(), 0.1);
}

// Refused runs (no text, parameters out of range) change nothing; the range edges are accepted.
TEST(InterpRunControl, RefusedRunChangesNothing) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::string& sample = test::sampleProgram;
    const std::string empty = "请加载NC程序 (加载失败)",
                      dl = "脉冲当量必须在0.001到100毫米之间 (参数错误)",
                      bei = "放大倍数必须是1到1000之间的整数 (参数错误)",
                      g54 = "工件原点必须是数字 (参数错误)";
    const struct {
        std::string program;
        double dl;
        std::int16_t bei;
        double g54x;
        std::string message;  // empty: accepted
    } cases[] = {{"", 1, 1, 0, empty},       {"", 0, 1, 0, empty},       {sample, 0, 1, 0, dl},
                 {sample, -1, 1, 0, dl},     {sample, nan, 1, 0, dl},    {sample, inf, 1, 0, dl},
                 {sample, 0.0009, 1, 0, dl}, {sample, 100.01, 1, 0, dl}, {sample, 1, 0, 0, bei},
                 {sample, 1, -2, 0, bei},    {sample, 1, 1001, 0, bei},  {sample, 0.001, 1, 0, ""},
                 {sample, 1, 1, inf, g54},   {sample, 100, 1000, -5, ""}};
    for (const auto& c : cases) {
        for (const bool running : {false, true}) {
            SCOPED_TRACE(testing::Message() << c.message << ", dl " << c.dl << ", bei " << c.bei
                                            << ", x " << c.g54x << ", running " << running);
            Rig r;
            if (running) {
                r.machine.run(sample, {});
                advanceIntoSegmentFrom(r.machine, 10);
            }
            const State before = r.now();
            r.machine.run(c.program, {.g54x = c.g54x, .bei = c.bei, .dl = c.dl});
            EXPECT_EQ(test::shown(r.panel), c.message);
            if (c.message.empty()) {
                EXPECT_TRUE(r.now().timer1 && r.now().markedLine == 0);
            } else {
                EXPECT_EQ(r.now(), before);
            }
        }
    }
}

// Pausing at any moment and resuming gives, after as many ticks, the run that never paused.
TEST(InterpRunControl, PauseResumesExactlyWhereItStopped) {
    for (const std::uint64_t pauseAt : {3u, 6u, 7u, 30u, 60u, 120u, 170u, 300u, 361u}) {
        SCOPED_TRACE("paused after tick " + std::to_string(pauseAt));
        Rig plain, r;
        plain.machine.run(test::sampleProgram, {});
        ClockDriver(plain.machine).runToEnd(pauseAt + 40);
        r.machine.run(test::sampleProgram, {});
        ClockDriver(r.machine).runToEnd(pauseAt);
        r.machine.pause();
        EXPECT_TRUE(r.machine.paused() && !r.machine.advancing() && !r.machine.idle());
        const State held = r.now();
        for (int i = 0; i < 25; ++i) r.machine.advance();
        r.machine.pause();  // a second Pause changes nothing
        EXPECT_EQ(r.now(), held);

        r.machine.run("", {});  // resuming needs no text
        EXPECT_FALSE(r.machine.paused());
        ClockDriver(r.machine).runToEnd(40);
        EXPECT_EQ(r.now(), plain.now());
    }
}

// Stop keeps all but timers, marker and caret; Run starts at (0, 0, 60) and redraws undisturbed.
TEST(InterpRunControl, RunStartsFromTheBeginningWithOrWithoutStop) {
    const std::string program = "%G90" + test::sampleProgram.substr(1);  // tick 1 reads a word
    Rig plain;
    test::runToEnd(plain.machine, program);
    const struct {
        bool stopFirst;
        std::string program, message;
    } cases[] = {{true, program, ""},
                 {false, program, ""},
                 {false, "G01X5\n", "第1行有错没有开始符,结束符 “%” (出错)"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "stop " << c.stopFirst << ", " << c.message);
        Rig r;
        r.machine.run(program, {});
        advanceIntoSegmentFrom(r.machine, 30);  // the first arc
        if (c.stopFirst) {
            State expected = r.now();
            r.machine.stop();
            expected.caret = expected.markedLine = 0;
            expected.timer1 = expected.timer2 = false;
            for (int i = 0; i < 10; ++i) r.machine.advance();
            EXPECT_EQ(r.now(), expected);
            EXPECT_FALSE(r.machine.paused());
        }
        r.machine.run(c.program, {});
        const State before = r.now();
        EXPECT_EQ(std::vector({before.s.xs, before.s.ys, before.s.zs}),
                  std::vector({0.0, 0.0, 60.0}));
        EXPECT_TRUE(before.timer1);
        EXPECT_EQ(before.timer2, !c.stopFirst);  // Run leaves Timer2 alone
        r.machine.advance();
        const State after = r.now();
        EXPECT_EQ(after.timer1Ticks, before.timer1Ticks + 1);
        EXPECT_EQ(after.timer2Ticks, before.timer2Ticks + (c.message.empty() && !c.stopFirst));
        EXPECT_EQ(after.points, before.points);
        EXPECT_FALSE(after.timer2);
        test::finish(r.machine);
        EXPECT_EQ(test::shown(r.panel), c.message);
        EXPECT_EQ(pointsFrom(r.panel, before.points),
                  pointsFrom(plain.panel, c.message.empty() ? 0 : plain.panel.points.size()));
    }
}

}  // namespace
}  // namespace tarvo::interp
