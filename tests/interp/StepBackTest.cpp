#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "support/MachineRecorder.h"

namespace tarvo::interp {
namespace {

using test::Rig;
using test::State;
using test::ticksOf;
using Unit = Machine::StepUnit;

// The core's state; a replay redraws and moves the caret, so panel counts and caret are left out.
State coreState(const Rig& r) {
    State s = r.now();
    s.points = s.bits = 0, s.caret = 0;
    return s;
}

// An uninterrupted run: the state after every tick, and the ticks after each step tick.
struct Reference : Rig, TickListener {
    std::map<std::uint64_t, State> states;
    std::set<std::uint64_t> stepsAt;
    std::uint64_t stepTicks = 0;

    void start(const std::string& program) {
        machine.addTickListener(this);
        stepTicks = machine.interpolator().stepTicks;
        machine.run(program, test::withDl(1));
        states[ticksOf(machine)] = coreState(*this);
        test::finish(machine);
    }
    void ticked(TimerId) override {
        states[ticksOf(machine)] = coreState(*this);
        if (machine.interpolator().stepTicks != stepTicks) stepsAt.insert(ticksOf(machine));
        stepTicks = machine.interpolator().stepTicks;
    }
    // Back from `ticks`: after the latest step tick before it, or the run's start.
    std::uint64_t backFrom(std::uint64_t ticks) const {
        const auto later = stepsAt.lower_bound(ticks);
        return later == stepsAt.begin() ? states.begin()->first : *std::prev(later);
    }
};

const std::string cut = "%\nG01Z-1M03\nG02X10Y10I10J0\nG01X0\nG03X0Y-10I0J-10\nG04\n";

// Stepping by ticks, steps or lines lands each time on the uninterrupted run's state.
TEST(StepPaused, LandsWhereAnUninterruptedRunIs) {
    const std::string clean = cut.substr(0, cut.rfind("G04")) + "%\n";  // no error at the end
    Reference reference;
    reference.start(clean);
    for (const auto unit : {Unit::Tick, Unit::Step, Unit::Line}) {
        SCOPED_TRACE(static_cast<int>(unit));
        Rig r;
        r.machine.run(clean, test::withDl(1));
        r.machine.pause();
        for (int calls = 1; !r.machine.idle() && calls < 100000; ++calls) {
            const auto ticks = ticksOf(r.machine), steps = r.machine.interpolator().stepTicks;
            r.machine.stepPaused(unit);
            ASSERT_TRUE(r.machine.paused());
            ASSERT_EQ(coreState(r), reference.states.at(ticksOf(r.machine))) << "call " << calls;
            const bool landed = unit == Unit::Tick ? ticksOf(r.machine) - ticks <= 2
                                : unit == Unit::Step
                                    ? r.machine.interpolator().stepTicks == steps + 1
                                    : r.machine.timer1().enabled && !r.machine.timer2().enabled;
            ASSERT_TRUE(landed || r.machine.idle()) << "call " << calls;
        }
        EXPECT_EQ(ticksOf(r.machine), reference.states.rbegin()->first);
        EXPECT_EQ(test::shown(r.panel), "");
    }
}

// Before the run: nothing, a run stopped after a step tick, or a run still going.
struct Before {
    const char* name;
    std::function<void(Machine&)> setUp;
};

const Before befores[] = {
    {"fresh", [](Machine&) {}},
    {"after a stopped run",
     [](Machine& m) {
         m.run(test::sampleProgram, test::withDl(1));
         while (m.interpolator().stepTicks < 7 || m.interpolator().phase != 1) m.advance();
         m.stop();
     }},
    {"during a run",
     [](Machine& m) {
         m.run(cut, test::withDl(1));
         while (!m.timer2().enabled || m.interpolator().stepTicks < 3) m.advance();
     }},
};

// From every tick one step back lands where the uninterrupted run was after its latest step.
TEST(StepBack, LandsWhereAnUninterruptedRunWas) {
    for (const Before& before : befores) {
        SCOPED_TRACE(before.name);
        Reference reference;
        before.setUp(reference.machine);
        reference.start(cut);
        Rig r;
        before.setUp(r.machine);
        r.machine.run(cut, test::withDl(1));
        r.machine.pause();
        const auto start = ticksOf(r.machine);
        EXPECT_FALSE(r.machine.canStepBack());
        for (auto t = start + 1; t <= reference.states.rbegin()->first; ++t) {
            while (ticksOf(r.machine) < t && !r.machine.idle()) {
                r.machine.stepPaused(Unit::Tick);
            }
            const auto at = ticksOf(r.machine);
            ASSERT_EQ(coreState(r), reference.states.at(at));
            r.machine.stepBack();
            ASSERT_TRUE(r.machine.paused());
            ASSERT_EQ(ticksOf(r.machine), reference.backFrom(at)) << "back from tick " << at;
            ASSERT_EQ(coreState(r), reference.states.at(ticksOf(r.machine))) << "back from " << at;
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
    r.machine.stepPaused(Unit::Line);
    r.machine.stepBack();
    EXPECT_EQ(r.now(), running);
    EXPECT_TRUE(r.machine.advancing());
    r.machine.pause();
    while (!r.machine.idle()) r.machine.stepPaused(Unit::Step);
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
