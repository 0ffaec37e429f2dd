#include <gtest/gtest.h>

#include <string>

#include "support/ReferenceRun.h"

namespace tarvo::interp {
namespace {

using test::coreState;
using test::Rig;
using test::ticksOf;
using Unit = Machine::StepUnit;

const std::string cut = "%\nG01Z-1M03\nG02X10Y10I10J0\nG01X0\nG03X0Y-10I0J-10\n%\n";

// Pause on an idle machine holds nothing. A step on it starts the run and holds it after its first
// tick, step or line; every further step lands where an uninterrupted run is, to its end, after
// which a step starts afresh.
TEST(CommandState, StepsFromIdleLandWhereAnUninterruptedRunIs) {
    for (const test::Before& idle : test::befores) {
        if (!idle.idle) continue;
        test::ReferenceRun reference;
        idle.setUp(reference.machine);
        reference.start(cut);
        const auto start = reference.states.begin()->first;
        for (const Unit unit : {Unit::Tick, Unit::Step, Unit::Line}) {
            SCOPED_TRACE(testing::Message() << idle.name << ", unit " << static_cast<int>(unit));
            Rig r;
            idle.setUp(r.machine);
            const test::State before = r.now();
            r.machine.pause();
            ASSERT_EQ(r.now(), before);
            ASSERT_FALSE(r.machine.paused());
            std::uint64_t ticks = start, steps = 0;
            for (int calls = 1; calls < 100000; ++calls) {
                r.machine.step(unit, calls == 1 ? cut : "", test::withDl(1));
                ASSERT_EQ(r.machine.paused(), !r.machine.idle());
                ASSERT_EQ(coreState(r), reference.states.at(ticksOf(r.machine)))
                    << "call " << calls;
                if (r.machine.idle()) break;
                const bool landed[] = {ticksOf(r.machine) - ticks <= 2,
                                       r.machine.runSteps() == steps + 1,
                                       r.machine.timer1().enabled && !r.machine.timer2().enabled};
                ASSERT_TRUE(landed[static_cast<int>(unit)]) << "call " << calls;
                ticks = ticksOf(r.machine), steps = r.machine.runSteps();
            }
            EXPECT_EQ(ticksOf(r.machine), reference.states.rbegin()->first);
            r.machine.step(unit, cut, test::withDl(1));
            EXPECT_TRUE(r.machine.paused() && r.machine.runSteps() <= 1);
            EXPECT_EQ(test::shown(r.panel), "");
        }
    }
}

}  // namespace
}  // namespace tarvo::interp
