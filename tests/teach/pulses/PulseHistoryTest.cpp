#include "teach/pulses/PulseHistory.h"

#include <gtest/gtest.h>

#include "support/MachineRecorder.h"
#include "support/TableFile.h"

namespace tarvo::teach {
namespace {

using test::Rig;

std::string byteText(const PulseSample& s) {
    std::string out;
    for (int i = 0; i < 8; ++i) out += s.bit(i) ? '1' : '0';
    return out;
}

TARVO_TABLE_SUITE(InterpPulseHistory, "pulse-history.tsv");

// The kept ticks are the newest of the run, each equal to the trace's row of that number.
TEST_P(InterpPulseHistory, KeepsTheNewestTicksOfTheTrace) {
    const double dl = row().number("dl");
    const std::size_t ticks = row().as<std::size_t>("ticks");
    const test::TracedRun trace(test::sampleProgram, dl);
    Rig r;
    const std::size_t capacity = row()["capacity"] == "default" ? PulseHistory::defaultCapacity
                                                                : row().as<std::size_t>("capacity");
    PulseHistory history(r.machine, capacity);
    r.machine.run(test::sampleProgram, test::withDl(dl));
    test::finish(r.machine);
    ASSERT_EQ(trace.ticks.size(), ticks);
    EXPECT_EQ(history.size(), std::min(capacity, ticks));
    const std::uint64_t oldest = ticks - history.size() + 1;
    for (std::uint64_t tick = 1; tick <= ticks; ++tick) {
        const PulseSample* s = history.find(tick);
        ASSERT_EQ(s != nullptr, tick >= oldest) << "tick " << tick;
        if (!s) continue;
        const test::State& traced = trace.ticks[tick - 1].after;
        ASSERT_EQ(s, &history.at(tick - oldest));
        const motion::Point3 drawn = s->point.drawn();
        EXPECT_EQ(std::tuple(s->tick, static_cast<int>(s->timer), byteText(*s), s->line, drawn.x,
                             drawn.y, drawn.z),
                  std::tuple(tick, trace.ticks[tick - 1].timer, traced.outdata,
                             traced.markedLine + 1, traced.xcur, traced.ycur, traced.zcur));
    }
    EXPECT_FALSE(history.find(ticks + 1));
}

// Resuming goes on counting; a fresh Run, even during a run, counts again from tick 1.
TEST(InterpPulseHistoryRuns, OnlyAFreshRunEmptiesIt) {
    Rig r;
    PulseHistory history(r.machine);
    r.machine.run(test::sampleProgram, {});
    for (int i = 0; i < 50; ++i) r.machine.advance();
    r.machine.pause();
    r.machine.run(test::sampleProgram, {});
    test::finish(r.machine);
    EXPECT_EQ(std::tuple(history.size(), history.at(0).tick, history.newest().tick),
              std::tuple(363u, 1u, 363u));

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
