#include "teach/PulseHistory.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/MachineRecorder.h"

namespace tarvo::teach {
namespace {

using test::Rig;

std::string byteText(const PulseSample& s) {
    std::string out;
    for (int i = 0; i < 8; ++i) out += s.bit(i) ? '1' : '0';
    return out;
}

struct Case {
    double dl;
    std::size_t capacity, ticks;
};

class InterpPulseHistory : public testing::TestWithParam<Case> {};

// The kept ticks are the newest of the run, each equal to the trace's row of that number.
TEST_P(InterpPulseHistory, KeepsTheNewestTicksOfTheTrace) {
    const Case c = GetParam();
    const test::TracedRun trace(test::sampleProgram, c.dl);
    Rig r;
    PulseHistory history(r.machine, c.capacity);
    r.machine.run(test::sampleProgram, test::withDl(c.dl));
    test::finish(r.machine);
    ASSERT_EQ(trace.ticks.size(), c.ticks);
    EXPECT_EQ(history.size(), std::min(c.capacity, c.ticks));
    const std::uint64_t oldest = c.ticks - history.size() + 1;
    for (std::uint64_t tick = 1; tick <= c.ticks; ++tick) {
        const PulseSample* s = history.find(tick);
        ASSERT_EQ(s != nullptr, tick >= oldest) << "tick " << tick;
        if (!s) continue;
        const test::State& row = trace.ticks[tick - 1].after;
        ASSERT_EQ(s, &history.at(tick - oldest));
        EXPECT_EQ(s->tick, tick);
        EXPECT_EQ(static_cast<int>(s->timer), trace.ticks[tick - 1].timer);
        EXPECT_EQ(byteText(*s), row.outdata) << "tick " << tick;
        EXPECT_EQ(s->line, row.markedLine + 1) << "tick " << tick;
        EXPECT_EQ(std::vector({s->x, s->y, s->z}), std::vector({row.xcur, row.ycur, row.zcur}));
    }
    EXPECT_FALSE(history.find(c.ticks + 1));
}

// 363 ticks with a whole millimetre per step, 3387 with a tenth.
INSTANTIATE_TEST_SUITE_P(Capacities, InterpPulseHistory,
                         testing::Values(Case{1, 1, 363}, Case{1, 100, 363}, Case{1, 363, 363},
                                         Case{1, 364, 363}, Case{0.1, 1000, 3387},
                                         Case{0.1, PulseHistory::defaultCapacity, 3387}));

// Resuming goes on counting; a fresh Run, even during a run, counts again from tick 1.
TEST(InterpPulseHistoryRuns, OnlyAFreshRunEmptiesIt) {
    Rig r;
    PulseHistory history(r.machine);
    r.machine.run(test::sampleProgram, {});
    for (int i = 0; i < 50; ++i) r.machine.advance();
    r.machine.pause();
    r.machine.run(test::sampleProgram, {});
    test::finish(r.machine);
    ASSERT_EQ(history.size(), 363u);
    EXPECT_EQ(history.at(0).tick, 1u);
    EXPECT_EQ(history.newest().tick, 363u);

    const std::uint64_t seen = history.revision();
    r.machine.run(test::sampleProgram, {});
    EXPECT_TRUE(history.empty());
    EXPECT_NE(history.revision(), seen);
    for (int i = 0; i < 40; ++i) r.machine.advance();
    r.machine.run(test::sampleProgram, {});
    test::finish(r.machine);
    EXPECT_EQ(history.at(0).tick, 1u);
    EXPECT_EQ(history.newest().tick, history.size());
}

}  // namespace
}  // namespace tarvo::teach
