#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "motion/EngineTrace.h"
#include "motion/NumberText.h"
#include "motion/OutputByte.h"

namespace tarvo::motion {
namespace {

using test::TracedRun;
using BitEvent = std::pair<int, bool>;

std::vector<BitEvent> eventsOf(const TracedRun& run, const test::EngineTick& t) {
    return {run.panel.bits.begin() + static_cast<std::ptrdiff_t>(t.bitsBefore),
            run.panel.bits.begin() + static_cast<std::ptrdiff_t>(t.bitsAfter)};
}

// Pulses rest at 1, directions at 0 (positive), spindle and coolant off.
TEST(OutputByte, RunStartWritesTheIdlePattern) {
    test::RecordingPanel panel;
    interp::Machine m(panel);
    EXPECT_EQ(m.outdata().texts(), "10101000");

    test::runToEnd(m, "%\nG01X-1Y-1Z59M03M08\n");
    EXPECT_EQ(m.outdata().texts(), "11111111");
    m.run("%\nG01X10\n", {});
    EXPECT_EQ(m.outdata().texts(), "10101000");

    // A run stopped right after a step tick leaves its pulse active; the
    // next run start releases it.
    while (m.outdata().bit(OutputByte::XPulse)) m.advance();
    m.stop();
    EXPECT_EQ(m.outdata().texts(), "00101000");
    m.run("%\nG01X10\n", {});
    EXPECT_EQ(m.outdata().texts(), "10101000");
}

// Straight moves write their directions on every step tick, before the
// registers are fed, so a pulse always shows with a valid direction.
TEST(OutputByte, LineDirectionHoldsOnEveryStepTick) {
    TracedRun run("%\nG01X10\nX5\n");
    const test::SegmentRun& seg = run.segment(2);
    ASSERT_EQ(seg.steps(), 5u);
    for (std::size_t i = 0; i < seg.ticks.size(); ++i) {
        const test::EngineTick& t = seg.ticks[i];
        EXPECT_EQ(t.outdata[OutputByte::XDir], '1') << "tick " << i + 1;
        const bool last = i + 1 == seg.ticks.size();
        const bool stepTick = i % 2 == 0;
        const char expectedPulse = stepTick && t.stepped() && !last ? '0' : '1';
        EXPECT_EQ(t.outdata[OutputByte::XPulse], expectedPulse) << "tick " << i + 1;
        EXPECT_EQ(t.outdata[OutputByte::YPulse], '1');
        EXPECT_EQ(t.outdata[OutputByte::ZPulse], '1');
    }
    // The direction bit changed once, in the segment's first tick.
    EXPECT_EQ(eventsOf(run, seg.ticks[0]), (std::vector<BitEvent>{{OutputByte::XDir, true}}));
}

// An arc step pulses the stepped axis and then writes that axis's direction;
// the other axis's direction bit keeps its last value.
struct ArcBits {
    const char* name;
    std::string program;
    std::size_t segment;
    std::string afterFirst, afterSecond;  // the byte after the first two steps
    std::vector<BitEvent> firstEvents;
};

class ArcOutput : public ::testing::TestWithParam<ArcBits> {};

TEST_P(ArcOutput, PulseThenDirection) {
    const ArcBits& c = GetParam();
    TracedRun run(c.program);
    const test::SegmentRun& seg = run.segment(c.segment);
    ASSERT_GE(seg.ticks.size(), 3u);
    EXPECT_EQ(seg.ticks[0].outdata, c.afterFirst);
    EXPECT_EQ(eventsOf(run, seg.ticks[0]), c.firstEvents);
    EXPECT_EQ(seg.ticks[1].outdata[OutputByte::XPulse], '1');
    EXPECT_EQ(seg.ticks[1].outdata[OutputByte::YPulse], '1');
    EXPECT_EQ(seg.ticks[2].outdata, c.afterSecond);
}

INSTANTIATE_TEST_SUITE_P(
    FirstSteps, ArcOutput,
    ::testing::Values(
        // From (40, 20) about (40, 30), Y last moved negative: -X, then +Y.
        ArcBits{"Clockwise",
                "%\nG00X40Y30\nY20\nG02X30Y30I0J10\n",
                3,
                "01111000",
                "11001000",
                {{OutputByte::XPulse, false}, {OutputByte::XDir, true}}},
        // From (30, 10) about (30, 20), X and Y last moved negative: +Y, then +X.
        ArcBits{"CounterClockwise",
                "%\nG00X40Y20\nX30Y10\nG03X40Y20I0J10\n",
                3,
                "11001000",
                "00101000",
                {{OutputByte::YPulse, false}, {OutputByte::YDir, false}}},
        ArcBits{"SampleClockwise",
                test::sampleProgram,
                4,
                "01101000",
                "11001000",
                {{OutputByte::XPulse, false}, {OutputByte::XDir, true}}},
        ArcBits{"SampleCounterClockwise",
                test::sampleProgram,
                3,
                "10001000",
                "00101000",
                {{OutputByte::YPulse, false}}}),
    test::CaseName{});

// The tick that ends a segment releases the pulse its last step set.
TEST(OutputByte, LastStepPulsesAndReleasesInOneTick) {
    TracedRun run(test::sampleProgram);
    std::size_t checked = 0;
    for (const test::SegmentRun& seg : run.segments()) {
        if (seg.steps() == 0) continue;
        ++checked;
        const test::EngineTick& last = seg.last();
        EXPECT_TRUE(last.stepped()) << "line " << seg.line;
        const std::vector<BitEvent> events = eventsOf(run, last);
        for (int bit : {OutputByte::XPulse, OutputByte::YPulse, OutputByte::ZPulse}) {
            const auto down = std::find(events.begin(), events.end(), BitEvent{bit, false});
            if (down == events.end()) continue;
            EXPECT_NE(std::find(down, events.end(), BitEvent{bit, true}), events.end())
                << "line " << seg.line << " bit " << bit;
        }
        EXPECT_NE(events.size(), 0u) << "line " << seg.line;
        EXPECT_EQ(last.outdata.substr(0, 1) + last.outdata.substr(2, 1) + last.outdata.substr(4, 1),
                  "111");
    }
    EXPECT_EQ(checked, 7u);
}

// The read-outs show millimetres as the shortest text of at most 15
// significant digits.
struct NumberCase {
    double value;
    const char* text;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << c.text;
}

class ReadOutText : public ::testing::TestWithParam<NumberCase> {};

TEST_P(ReadOutText, Shows) {
    EXPECT_EQ(numberText(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, ReadOutText,
                         ::testing::Values(NumberCase{30, "30"}, NumberCase{-2.5, "-2.5"},
                                           NumberCase{0, "0"}, NumberCase{-0.0, "0"},
                                           NumberCase{60, "60"}, NumberCase{0.1, "0.1"},
                                           NumberCase{10.5, "10.5"}, NumberCase{-3300, "-3300"},
                                           NumberCase{0.1 + 0.2, "0.3"},
                                           NumberCase{1.0 / 3, "0.333333333333333"},
                                           NumberCase{2.0 / 3, "0.666666666666667"},
                                           NumberCase{-123456.789, "-123456.789"},
                                           NumberCase{123456789012345.0, "123456789012345"}));

}  // namespace
}  // namespace tarvo::motion
