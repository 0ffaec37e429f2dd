#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "motion/OutputByte.h"
#include "support/MachineRecorder.h"

namespace tarvo::motion {
namespace {

using test::operator==;
using test::SegmentRun;
using test::TracedRun;

// G00 X10 Y10 from the run's start point: one step tick and one reset tick
// per iteration, both axes overflowing together. Tick 1: both registers take
// 10 mm, below the capacity, and nothing moves; tick 2 only releases the
// pulse bits, of which none is active; tick 3: 20 mm overflow to 4, X and Y
// step together, both pulses active; tick 4 returns them to rest.
TEST(InterpolationTick, RapidDiagonalTickByTick) {
    const TracedRun run("%\nG00X10Y10\n");
    const SegmentRun& seg = run.segment(1);
    const struct {
        Registers r;
        std::string outdata;
        std::size_t points, bits;  // shown since the run started
    } expected[] = {{{0, 0, 0, 10, 10, 0, 0}, "10101000", 0, 0},
                    {{0, 0, 0, 10, 10, 0, 0}, "10101000", 0, 0},
                    {{10, 10, 0, 4, 4, 0, 0}, "00001000", 1, 2},
                    {{10, 10, 0, 4, 4, 0, 0}, "10101000", 1, 4}};
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const test::State& t = seg.ticks.at(i).after;
        const auto& e = expected[i];
        EXPECT_TRUE(t.r == e.r) << "tick " << i + 1;
        EXPECT_EQ(t.outdata, e.outdata) << "tick " << i + 1;
        EXPECT_EQ(std::pair(t.points, t.bits - seg.ticks[0].bitsBefore),
                  std::pair(e.points, e.bits))
            << "tick " << i + 1;
    }
    const auto& shown = run.panel.points.at(0);
    EXPECT_EQ(
        std::vector({shown.x, shown.y, shown.z, seg.ticks[2].after.xcur, seg.ticks[2].after.zcur}),
        std::vector({1.0, 1.0, 60.0, 10.0, 600.0}));
}

// Figures of whole segments: register capacity (-1: an arc), Timer2 ticks,
// step ticks and the last step point (internal units).
TEST(InterpolationTick, SegmentFigures) {
    const struct {
        std::string program;
        double dl;
        std::size_t segment;  // counted from 1
        double regmax;
        std::size_t ticks, steps;
        double x, y, z;
    } cases[] = {{"%\nG00X10Y10\n", 1, 1, 16, 31, 10, 100, 100, 600},
                 {test::sampleProgram, 1, 2, 32, 63, 20, 300, 100, 600},
                 {"%\nG01Z-5\n", 1, 1, 128, 255, 65, 0, 0, -50},
                 {"%\nG01X10\n", 2, 1, 16, 15, 5, 100, 0, 600},
                 {"%\nG01X10.5\n", 1, 1, 16, 31, 10, 100, 0, 600},
                 {"%\nG00Z0\nG01X10Y5\n", 1, 2, 16, 31, 10, 100, 50, 0},
                 {"%\nG00Z0\nG01Z-2.5\n", 1, 2, 4, 7, 2, 0, 0, -20},
                 {"%\nG00Z0\nG01X10Z-2.5\n", 1, 2, 16, 31, 10, 100, 0, -20},
                 // Shorter than a step: the point already stands within one step.
                 {"%\nG00Z0\nG01X0.5\n", 1, 2, 2, 1, 0, 0, 0, 0},
                 {"%\nG00Z59\nZ60\nZ60.05\n", 1, 3, 2, 1, 0, 0, 0, 600},
                 {"%\nG00Z59\nZ60\nZ59.95\n", 1, 3, 2, 1, 0, 0, 0, 600},
                 // A new machine's point stands at the origin, within a step of Z 0.
                 {"%\nG01Z0\n", 1, 1, 64, 1, 0, 0, 0, 0},
                 // End equal to start: handed back in the first tick, no bit changes.
                 {"%\nG01X-1Y-1Z59\nG01X-1Y-1Z59\n", 1, 2, 0, 1, 0, -10, -10, 590},
                 {"%\nG00X10\nG02X10Y0I-10J0\n", 1, 2, -1, 1, 0, 100, 0, 600},
                 // Beyond the 16-bit registers of the original controller.
                 {"%\nG01Z-3300\n", 1, 1, 4096, 8191, 3360, 0, 0, -33000},
                 {"%\nG01Z-17000\n", 1, 1, 32768, 65535, 17060, 0, 0, -170000},
                 {"%\nG01X20000Z40\n", 1, 1, 32768, 65535, 20000, 200000, 0, 400},
                 {"%\nG00X-17000Y9000\n", 1, 1, 32768, 65535, 21256, -170000, 90000, 600}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program);
        const TracedRun run(c.program, c.dl);
        EXPECT_TRUE(run.panel.messages.empty());
        const SegmentRun& seg = run.segment(c.segment);
        EXPECT_EQ(seg.handed.regmax, c.regmax < 0 ? seg.handed.regmax : c.regmax);
        EXPECT_EQ(seg.ticks.size(), c.ticks);
        EXPECT_EQ(seg.steps(), c.steps);
        EXPECT_EQ(std::vector({seg.last().xcur, seg.last().ycur, seg.last().zcur}),
                  std::vector({c.x, c.y, c.z}));
        // Whatever happened, the pulse bits rest after the segment's last tick.
        const std::string& out = seg.last().outdata;
        EXPECT_EQ(std::string(
                      {out[OutputByte::XPulse], out[OutputByte::YPulse], out[OutputByte::ZPulse]}),
                  "111");
        EXPECT_TRUE(!seg.handed.empty() || seg.last().bits == seg.ticks[0].bitsBefore);
    }
}

// Digital integration steps each axis at a rate proportional to its
// increment: the iterations (counted from 1) in which each register
// overflowed. X and Y keep fractions; the Z register is an integer, each sum
// rounded to the nearest, halves to the even neighbour: 2.5 mm feeds it 2 per
// iteration.
TEST(InterpolationTick, OverflowPatterns) {
    using Iterations = std::vector<int>;
    const Iterations ten{2, 4, 5, 7, 8, 10, 12, 13, 15, 16}, five{4, 7, 10, 13, 16};
    const struct {
        std::string program;
        std::size_t segment;
        Iterations x, y, z;
    } cases[] = {{"%\nG00X10Y10\n", 1, ten, ten, {}},
                 {"%\nG00Z0\nG01X10Y5\n", 2, ten, five, {}},
                 {"%\nG00X10Y10\nG01X0Y5\n", 2, ten, five, {}},
                 {"%\nG01X10.5\n", 1, {2, 4, 5, 7, 8, 10, 11, 13, 14, 16}, {}, {}},
                 {"%\nG00Z0\nG01X10Z-2.5\n", 2, ten, {}, {8, 16}},
                 {"%\nG00Z0\nG01Z-2.5\n", 2, {}, {}, {2, 4}}};
    for (const auto& c : cases) {
        const TracedRun run(c.program);
        Iterations x, y, z;
        Registers was;
        const std::vector<test::Tick>& ticks = run.segment(c.segment).ticks;
        for (std::size_t i = 0; i < ticks.size(); ++i) {
            const Registers& r = ticks[i].after.r;
            const int iteration = static_cast<int>(i / 2 + 1);
            if (r.px != was.px) x.push_back(iteration);
            if (r.py != was.py) y.push_back(iteration);
            if (r.pz != was.pz) z.push_back(iteration);
            was = r;
        }
        EXPECT_EQ(std::vector({x, y, z}), std::vector({c.x, c.y, c.z})) << c.program;
    }
}

// A finer pulse equivalent takes ten times the steps to the same ends.
TEST(InterpolationTick, SampleProgramAtATenthOfTheStep) {
    const TracedRun coarse(test::sampleProgram, 1), fine(test::sampleProgram, 0.1);
    EXPECT_TRUE(fine.panel.messages.empty());
    ASSERT_EQ(fine.segments.size(), 8u);
    ASSERT_EQ(coarse.segments.size(), 8u);
    for (std::size_t i = 0; i < 8; ++i) {
        const test::State &c = coarse.segments[i].last(), &f = fine.segments[i].last();
        EXPECT_EQ(fine.segments[i].steps(), 10 * coarse.segments[i].steps()) << "segment " << i + 1;
        EXPECT_EQ(std::vector({f.xcur, f.ycur, f.zcur}), std::vector({c.xcur, c.ycur, c.zcur}))
            << "segment " << i + 1;
    }
}

}  // namespace
}  // namespace tarvo::motion
