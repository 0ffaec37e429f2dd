#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "motion/OutputByte.h"
#include "support/MachineRecorder.h"

namespace tarvo::motion {
namespace {

using test::SegmentRun;
using test::TracedRun;

// Whole segments: regmax (-1: an arc), Timer2 ticks, step ticks and the last point.
TEST(InterpolationTick, SegmentFigures) {
    const struct {
        std::string program;
        double dl;
        std::size_t segment;  // counted from 1
        double regmax;
        std::size_t ticks, steps;
        double x, y, z;
    } cases[] = {{"%\nG01Z-5\n", 1, 1, 128, 255, 65, 0, 0, -50},
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
        const double regmax = seg.handed.regmax.toDouble();
        EXPECT_EQ(regmax, c.regmax < 0 ? regmax : c.regmax);
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

// Iterations where each register overflows; Z's sums round halves to even (2.5 feeds 2).
TEST(InterpolationTick, OverflowPatterns) {
    using Iterations = std::vector<int>;
    const Iterations ten{2, 4, 5, 7, 8, 10, 12, 13, 15, 16}, five{4, 7, 10, 13, 16};
    const struct {
        std::string program;
        std::size_t segment;
        Iterations x, y, z;
    } cases[] = {{"%\nG00Z0\nG01X10Y5\n", 2, ten, five, {}},
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

}  // namespace
}  // namespace tarvo::motion
