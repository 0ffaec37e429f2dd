#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "support/Programs.h"
#include "support/RecordingPanel.h"

namespace tarvo::interp {
namespace {

using test::ticksOf;
using State = std::tuple<std::int64_t, std::int64_t, double, double, double, std::string, bool, bool>;

State stateOf(const Machine& m) {
    const auto& e = m.interpolator();
    return {m.interpreter().txtpos, m.interpreter().txtline, e.xcur, e.ycur, e.zcur,
            m.outdata().texts(), m.timer1().enabled, m.timer2().enabled};
}

// The machine after every tick of an uninterrupted run.
class Reference : public TickListener {
public:
    explicit Reference(const Machine& m) : m_(m) {}
    void ticked(int) override { states[ticksOf(m_)] = stateOf(m_); }
    std::map<std::uint64_t, State> states;

private:
    const Machine& m_;
};

const std::string cut = "%\nG01Z-1M03\nG02X10Y10I10J0\nG01X0\n%\n";

// Stepping a paused run by ticks, interpolation steps or lines lands, each
// time, on exactly the state an uninterrupted run has after as many ticks;
// the run stays paused and the steps are what they say.
TEST(StepPaused, LandsWhereAnUninterruptedRunIs) {
    for (const auto unit : {Machine::StepUnit::Tick, Machine::StepUnit::Step, Machine::StepUnit::Line}) {
        test::RecordingPanel referencePanel, panel;
        Machine reference(referencePanel), stepped(panel);
        Reference states(reference);
        reference.addTickListener(&states);
        test::runToEnd(reference, cut, test::withDl(1));

        stepped.run(cut, test::withDl(1));
        stepped.pause();
        int calls = 0;
        while (!stepped.idle() && calls++ < 100000) {
            const auto ticks = ticksOf(stepped), steps = stepped.interpolator().stepTicks;
            stepped.stepPaused(unit);
            ASSERT_TRUE(stepped.paused());
            ASSERT_EQ(stateOf(stepped), states.states.at(ticksOf(stepped))) << "after " << calls;
            if (unit == Machine::StepUnit::Tick) {
                ASSERT_LE(ticksOf(stepped) - ticks, 2u);
            }
            if (unit == Machine::StepUnit::Step && !stepped.idle()) {
                ASSERT_EQ(stepped.interpolator().stepTicks, steps + 1);
            }
            if (unit == Machine::StepUnit::Line && !stepped.idle()) {
                ASSERT_TRUE(stepped.timer1().enabled && !stepped.timer2().enabled);
            }
        }
        EXPECT_TRUE(stepped.idle());
        EXPECT_EQ(stateOf(stepped), stateOf(reference));
        EXPECT_EQ(ticksOf(stepped), ticksOf(reference));
    }
}

TEST(StepPaused, DoesNothingUnlessPaused) {
    test::RecordingPanel panel;
    Machine m(panel);
    m.run(test::sampleProgram, test::withDl(1));
    m.advance();
    const State before = stateOf(m);
    m.stepPaused(Machine::StepUnit::Line);
    EXPECT_EQ(stateOf(m), before);
    EXPECT_TRUE(m.advancing());
}

}  // namespace
}  // namespace tarvo::interp
