#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

#include "motion/EngineTrace.h"
#include "motion/NumberText.h"
#include "motion/OutputByte.h"

namespace tarvo::motion {
namespace {

using test::TracedRun;

// G00 X10 Y10 from the run's start point: one step tick and one reset tick
// per iteration, both axes overflowing together.
TEST(InterpolationTick, RapidDiagonalTickByTick) {
    TracedRun run("%\nG00X10Y10\n");
    const test::SegmentRun& seg = run.segment(1);
    EXPECT_EQ(seg.line, 2);
    EXPECT_EQ(seg.handed.regmax, 16);
    ASSERT_EQ(seg.ticks.size(), 31u);
    EXPECT_EQ(seg.steps(), 10u);

    // Tick 1: both registers take 10 mm, below the capacity; nothing moves.
    const test::EngineTick& t1 = seg.ticks[0];
    EXPECT_EQ(t1.r.jrx, 10);
    EXPECT_EQ(t1.r.jry, 10);
    EXPECT_EQ(t1.r.px, 0);
    EXPECT_EQ(t1.r.py, 0);
    EXPECT_FALSE(t1.stepped());
    EXPECT_EQ(t1.outdata, "10101000");

    // Tick 2 only releases the pulse bits, of which none is active.
    EXPECT_FALSE(seg.ticks[1].stepped());
    EXPECT_EQ(seg.ticks[1].bitsAfter, seg.ticks[1].bitsBefore);

    // Tick 3: 20 mm overflow to 4, X and Y step together by one step.
    const test::EngineTick& t3 = seg.ticks[2];
    EXPECT_EQ(t3.r.jrx, 4);
    EXPECT_EQ(t3.r.jry, 4);
    EXPECT_EQ(t3.xcur, 10);
    EXPECT_EQ(t3.ycur, 10);
    EXPECT_EQ(t3.zcur, 600);
    EXPECT_EQ(t3.outdata, "00001000");
    ASSERT_EQ(t3.pointsAfter, t3.pointsBefore + 1);
    const auto& shown = run.point(t3.pointsBefore);
    EXPECT_EQ(numberText(shown.x), "1");
    EXPECT_EQ(numberText(shown.y), "1");
    EXPECT_EQ(numberText(shown.z), "60");

    // Tick 4 returns both pulses to rest.
    EXPECT_EQ(seg.ticks[3].outdata, "10101000");

    EXPECT_EQ(seg.last().xcur, 100);
    EXPECT_EQ(seg.last().ycur, 100);
    EXPECT_EQ(seg.last().zcur, 600);
}

// Run puts the tool back at X 0, Y 0, Z 60 but leaves the current point
// where the last step put it: a move to that point ends without a step.
TEST(InterpolationTick, RunStartKeepsTheCurrentPoint) {
    test::RecordingPanel panel;
    interp::Machine m(panel);
    test::EngineTrace trace(m, panel);
    m.setTickListener(&trace);
    test::runToEnd(m, "%\nG00X10\n");
    ASSERT_EQ(trace.segments.back().steps(), 10u);
    test::runToEnd(m, "%\nG00X10\n");
    EXPECT_EQ(trace.segments.back().ticks.size(), 1u);
    EXPECT_EQ(trace.segments.back().steps(), 0u);
}

// Figures of whole segments: register capacity, Timer2 ticks, step points
// and where the last step point lies (internal units).
struct SegmentFigure {
    const char* name;
    std::string program;
    double dl;
    std::size_t segment;  // counted from 1
    double regmax;
    std::size_t ticks, steps;
    double x, y, z;
};

class SegmentFigures : public ::testing::TestWithParam<SegmentFigure> {};

TEST_P(SegmentFigures, MatchTheMachine) {
    const SegmentFigure& f = GetParam();
    TracedRun run(f.program, f.dl);
    EXPECT_TRUE(run.panel.messages.empty());
    EXPECT_TRUE(run.machine.idle());
    const test::SegmentRun& seg = run.segment(f.segment);
    if (f.regmax >= 0) {
        EXPECT_EQ(seg.handed.regmax, f.regmax);
    }
    EXPECT_EQ(seg.ticks.size(), f.ticks);
    EXPECT_EQ(seg.steps(), f.steps);
    EXPECT_EQ(seg.last().xcur, f.x);
    EXPECT_EQ(seg.last().ycur, f.y);
    EXPECT_EQ(seg.last().zcur, f.z);
    // Whatever happened, the pulse bits rest after the segment's last tick.
    EXPECT_EQ(seg.last().outdata[OutputByte::XPulse], '1');
    EXPECT_EQ(seg.last().outdata[OutputByte::YPulse], '1');
    EXPECT_EQ(seg.last().outdata[OutputByte::ZPulse], '1');
}

INSTANTIATE_TEST_SUITE_P(
    Segments, SegmentFigures,
    ::testing::Values(
        SegmentFigure{"Rapid", "%\nG00X10Y10\n", 1, 1, 16, 31, 10, 100, 100, 600},
        SegmentFigure{"SampleLine", test::sampleProgram, 1, 2, 32, 63, 20, 300, 100, 600},
        SegmentFigure{"SampleCcwArc", test::sampleProgram, 1, 3, -1, 39, 20, 400, 200, 600},
        SegmentFigure{"SampleCwArc", test::sampleProgram, 1, 4, -1, 39, 20, 300, 300, 600},
        SegmentFigure{"ZDown", "%\nG01Z-5\n", 1, 1, 128, 255, 65, 0, 0, -50},
        SegmentFigure{"CoarseStep", "%\nG01X10\n", 2, 1, 16, 15, 5, 100, 0, 600},
        SegmentFigure{"XYFromSurface", "%\nG00Z0\nG01X10Y5\n", 1, 2, 16, 31, 10, 100, 50, 0},
        SegmentFigure{"HalfMmZ", "%\nG00Z0\nG01Z-2.5\n", 1, 2, 4, 7, 2, 0, 0, -20},
        // Shorter than a step: the point already stands within one step.
        SegmentFigure{"HalfMm", "%\nG00Z0\nG01X0.5\n", 1, 2, 2, 1, 0, 0, 0, 0},
        SegmentFigure{"TinyZUp", "%\nG00Z59\nZ60\nZ60.05\n", 1, 3, 2, 1, 0, 0, 0, 600},
        SegmentFigure{"TinyZDown", "%\nG00Z59\nZ60\nZ59.95\n", 1, 3, 2, 1, 0, 0, 0, 600},
        // A new machine's point stands at the origin, within a step of Z 0.
        SegmentFigure{"FreshPointOnOrigin", "%\nG01Z0\n", 1, 1, 64, 1, 0, 0, 0, 0},
        // End equal to start: handed back in the first tick.
        SegmentFigure{"Empty", "%\nG00Z59\nZ60\nG01X0Y0Z60\n", 1, 3, 0, 1, 0, 0, 0, 600},
        SegmentFigure{"FullCircle", "%\nG00X10\nG02X10Y0I-10J0\n", 1, 2, -1, 1, 0, 100, 0, 600}),
    test::CaseName{});

// An empty segment changes nothing: no step and no bit of the byte.
TEST(InterpolationTick, EmptySegmentLeavesTheByteAlone) {
    TracedRun run("%\nG01X-1Y-1Z59\nG01X-1Y-1Z59\n");
    const test::SegmentRun& empty = run.segment(2);
    ASSERT_EQ(empty.ticks.size(), 1u);
    EXPECT_EQ(empty.ticks[0].bitsAfter, empty.ticks[0].bitsBefore);
    EXPECT_EQ(empty.ticks[0].outdata, "11111100");
}

// A finer pulse equivalent takes ten times the steps to the same ends.
TEST(InterpolationTick, SampleProgramAtATenthOfTheStep) {
    TracedRun coarse(test::sampleProgram, 1);
    TracedRun fine(test::sampleProgram, 0.1);
    ASSERT_EQ(coarse.segments().size(), fine.segments().size());
    EXPECT_TRUE(fine.panel.messages.empty());
    const double ends[][2] = {{100, 100}, {300, 100}, {400, 200},  {300, 300},
                              {100, 200}, {100, 100}, {-100, -100}};
    for (std::size_t i = 0; i < std::size(ends); ++i) {
        const test::SegmentRun& c = coarse.segments()[i];
        const test::SegmentRun& f = fine.segments()[i];
        EXPECT_EQ(f.steps(), 10 * c.steps()) << "segment " << i + 1;
        EXPECT_EQ(c.last().xcur, ends[i][0]) << "segment " << i + 1;
        EXPECT_EQ(c.last().ycur, ends[i][1]) << "segment " << i + 1;
        EXPECT_EQ(f.last().xcur, ends[i][0]) << "segment " << i + 1;
        EXPECT_EQ(f.last().ycur, ends[i][1]) << "segment " << i + 1;
        EXPECT_EQ(f.last().zcur, 600) << "segment " << i + 1;
    }
    // The closing "%" line hands over a segment of length zero.
    EXPECT_EQ(coarse.segments().back().steps(), 0u);
}

}  // namespace
}  // namespace tarvo::motion
