#include <gtest/gtest.h>

#include <string>

#include "support/ReferenceRun.h"

namespace tarvo::interp {
namespace {

using test::coreState;
using test::Rig;
using test::State;
using test::ticksOf;
using Reference = test::ReferenceRun;

const std::string cut = "%\nG01Z-1M03\nG02X10Y10I10J0\nG01X0\nG03X0Y-10I0J-10\nG04\n";

// From every tick one step back lands where the uninterrupted run was after its latest step, gone
// back to from the snapshots taken every tick, thinned as they fill up, or from the start, as a
// machine that keeps no snapshots always does; under the machine's method and the textbook's,
// whose steppers go back with the machine.
TEST(StepBack, LandsWhereAnUninterruptedRunWas) {
    using motion::Interpolation;
    for (const bool snapshots : {true, false})
        for (const motion::MethodChoice method :
             {motion::MethodChoice{}, motion::MethodChoice{Interpolation::Comparison, false},
              motion::MethodChoice{Interpolation::Integration, true}})
            for (const test::Before& before : test::befores) {
                SCOPED_TRACE(before.name + std::string(" by method ") +
                             std::to_string(static_cast<int>(method.interpolation)) +
                             (snapshots ? "" : " without snapshots"));
                Parameters p = test::withDl(1);
                p.method = method;
                Reference reference;
                before.setUp(reference.machine);
                reference.start(cut, p);
                Rig r;
                before.setUp(r.machine);
                r.machine.setSnapshotInterval(1);
                if (!snapshots) r.machine.keepNoSnapshots();
                r.machine.run(cut, p);
                r.machine.pause();
                const auto start = ticksOf(r.machine);
                EXPECT_FALSE(r.machine.canStepBack());
                for (auto t = start + 1; t <= reference.states.rbegin()->first; ++t) {
                    while (ticksOf(r.machine) < t && !r.machine.idle()) {
                        r.machine.stepPaused(Machine::StepUnit::Tick);
                    }
                    const auto at = ticksOf(r.machine);
                    ASSERT_EQ(coreState(r), reference.states.at(at));
                    r.machine.stepBack();
                    ASSERT_TRUE(r.machine.paused());
                    ASSERT_EQ(ticksOf(r.machine), reference.backFrom(at))
                        << "back from tick " << at;
                    ASSERT_EQ(coreState(r), reference.states.at(ticksOf(r.machine)))
                        << "back from " << at;
                }
                EXPECT_EQ(test::shown(r.panel), test::shown(reference.panel)) << "messages";
            }
}

// No stepping while running; back replays quietly; Run goes on to the same end; after Stop no back.
TEST(StepBack, ReplaysQuietlyAndRunGoesOnAsBefore) {
    const std::string failing = "%\nG01X3Y2\nG04\n%\n";
    Rig reference, r;
    test::runToEnd(reference.machine, failing, test::withDl(1));
    r.machine.run(failing, test::withDl(1));
    for (int i = 0; i < 9; ++i) r.machine.advance();
    EXPECT_FALSE(r.machine.canStepBack());
    const State running = r.now();
    r.machine.stepPaused(Machine::StepUnit::Line);
    r.machine.stepBack();
    EXPECT_EQ(r.now(), running);
    EXPECT_TRUE(r.machine.advancing());
    r.machine.pause();
    while (!r.machine.idle()) r.machine.stepPaused(Machine::StepUnit::Step);
    r.machine.show(views::View::Axonometric);
    r.machine.stepBack();
    r.machine.stepBack();
    EXPECT_EQ(r.machine.runSteps(), 3u);
    EXPECT_EQ(r.machine.views().shown(), views::View::Axonometric);
    EXPECT_EQ(r.panel.option, views::View::Axonometric);
    EXPECT_EQ(test::shown(r.panel), test::shown(reference.panel));
    r.machine.run(failing, test::withDl(1));
    test::finish(r.machine);
    EXPECT_EQ(coreState(r), coreState(reference));
    EXPECT_EQ(test::shown(r.panel), test::shown(reference.panel) + test::shown(reference.panel));
    const auto steps = r.machine.runSteps(), ticks = ticksOf(r.machine);
    r.machine.stepBack();  // an ended run goes back too, and stays paused
    EXPECT_TRUE(r.machine.paused());
    EXPECT_EQ(r.machine.runSteps(), steps);
    EXPECT_LT(ticksOf(r.machine), ticks);
    r.machine.stop();
    const State stopped = r.now();
    r.machine.stepBack();
    EXPECT_EQ(r.now(), stopped);
}

}  // namespace
}  // namespace tarvo::interp
