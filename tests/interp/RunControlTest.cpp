#include <gtest/gtest.h>

#include <optional>

#include "support/MachineRecorder.h"
#include "support/TableFile.h"

namespace tarvo::interp {
namespace {

using test::Rig;
using test::State;

// Advances until Timer2 is mid-way through the segment that starts at x.
void advanceIntoSegmentFrom(Machine& m, double x) {
    for (int i = 0; i < 100000 && m.advancing(); ++i) {
        const motion::Segment& s = m.segment();
        const auto& e = m.interpolator();
        if (m.timer2().enabled && s.xs.toDouble() == x &&
            (e.xcur != s.xs * 10 || e.ycur != s.ys * 10)) {
            return;
        }
        m.advance();
    }
    FAIL() << "no segment from X " << x;
}

// The points a panel was shown from the n-th on.
std::vector<test::RecordingPanel::Point> pointsFrom(const test::RecordingPanel& p, std::size_t n) {
    return {p.points.begin() + static_cast<std::ptrdiff_t>(n), p.points.end()};
}

// An error keeps the line's words and switches; the next Run starts afresh, the tool on its start
// point, but for the caret.
TEST(InterpRunControl, ErrorKeepsTheLineAndRunStartsAfresh) {
    Rig r, fresh;
    test::runToEnd(r.machine, "%\nG01X5Y6Z-1M08\nG02X7Y8Z9M03G04X1\n");
    const State failed = r.now();
    EXPECT_EQ(test::shown(r.panel), "第3行有错G.... (出错)");
    EXPECT_EQ(failed.gcode + failed.mcode + failed.lcode, "G02M03M08");
    using test::dbl;
    EXPECT_EQ(std::vector({dbl(failed.s.xs), dbl(failed.s.xe), dbl(failed.s.ye), dbl(failed.s.ze),
                           failed.zcur}),
              std::vector({5.0, 7.0, 8.0, 9.0, -10.0}));
    EXPECT_TRUE(failed.coolant && !failed.spindle);  // line 3 never moved

    const Parameters p{.g54x = test::readingOf(1.5),
                       .g54y = test::readingOf(-2),
                       .bei = 3,
                       .dl = test::readingOf(0.01)};
    fresh.machine.run("%\nX1\n", p);
    r.machine.run("%\nX1\n", p);
    State expected = fresh.now();
    expected.r = failed.r, expected.s.regmax = failed.s.regmax, expected.s.line = failed.s.line;
    expected.caret = failed.caret;
    expected.timer1Ticks = failed.timer1Ticks, expected.timer2Ticks = failed.timer2Ticks;
    expected.points = failed.points + 1, expected.bits = r.panel.bits.size();
    EXPECT_EQ(r.now(), expected);
    EXPECT_FALSE(r.panel.spindle || r.panel.coolant);
    EXPECT_EQ(std::tuple(r.panel.origin, r.machine.bei(), r.machine.dlstep()),
              std::tuple(test::RecordingPanel::Point{1.5, -2, 0}, 3, test::decimalOf(0.1)));
}

TARVO_TABLE_SUITE(InterpRefusedRun, "run-refusals.tsv");

// Run, or a step of any unit: a step while a run advances does nothing at all.
TEST_P(InterpRefusedRun, ChangesNothing) {
    const std::string& program =
        row()["program"] == "sample" ? test::sampleProgram : row()["program"];
    const Parameters p{.g54x = test::readingOf(row().number("g54x")),
                       .bei = static_cast<std::int16_t>(row().number("bei")),
                       .dl = test::readingOf(row().number("dl"))};
    using Unit = Machine::StepUnit;
    for (const bool running : {false, true}) {
        for (const auto step : {std::optional<Unit>(), {Unit::Tick}, {Unit::Step}, {Unit::Line}}) {
            SCOPED_TRACE(testing::Message() << (running ? "running, " : "idle, ")
                                            << (step ? static_cast<int>(*step) : -1));
            Rig r;
            if (running) {
                r.machine.run(test::sampleProgram, {});
                advanceIntoSegmentFrom(r.machine, 10);
            }
            const State before = r.now();
            step ? r.machine.step(*step, program, p) : r.machine.run(program, p);
            const bool ignored = step && running;
            EXPECT_EQ(test::shown(r.panel), ignored ? "" : row()["shown"]);
            if (ignored || !row()["shown"].empty()) {
                EXPECT_EQ(r.now(), before);
                EXPECT_TRUE(r.machine.advancing() == running && !r.machine.paused());
            } else {
                EXPECT_TRUE(step ? r.machine.paused() : r.now().timer1 && r.now().markedLine == 0);
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

// Stop keeps all but timers, marker and caret; Run starts at (0, 0, 60), even after a stop
// half-way through a pulse, and makes the very ticks and steps of an undisturbed run.
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
            while (r.machine.interpolator().phase != 1) r.machine.advance();
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
        const std::uint64_t ticksBefore = test::ticksOf(r.machine);
        EXPECT_EQ(std::vector({before.s.xs, before.s.ys, before.s.zs}),
                  std::vector<motion::Decimal>({0, 0, 60}));
        EXPECT_TRUE(before.timer1);
        EXPECT_EQ(before.timer2, !c.stopFirst);  // Run leaves Timer2 alone
        r.machine.advance();
        const State after = r.now();
        EXPECT_EQ(std::tuple(after.timer1Ticks, after.timer2Ticks, after.points, after.timer2),
                  std::tuple(before.timer1Ticks + 1,
                             before.timer2Ticks + (c.message.empty() && !c.stopFirst),
                             before.points, false));
        test::finish(r.machine);
        EXPECT_EQ(test::shown(r.panel), c.message);
        if (c.message.empty()) {  // a Run during a run ticks both timers once
            EXPECT_EQ(test::ticksOf(r.machine) - ticksBefore,
                      test::ticksOf(plain.machine) + !c.stopFirst);
        }
        EXPECT_EQ(pointsFrom(r.panel, before.points),
                  pointsFrom(plain.panel, c.message.empty() ? 1 : plain.panel.points.size()));
    }
}

}  // namespace
}  // namespace tarvo::interp
