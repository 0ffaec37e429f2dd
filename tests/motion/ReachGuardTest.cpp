#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>

#include "support/MachineRecorder.h"

namespace tarvo::motion {
namespace {

// A motion that can never come within a step of its end stops with an error; others end within one.
TEST(ReachGuard, StopsWhatCanNeverEndAndOnlyThat) {
    const struct {
        std::string program;
        double dl;
        bool stops;
        std::size_t arcSteps;  // of an arc that ends
    } cases[] = {{"%\nG01X-3.7Y-4.8Z-5\n", 1, true, 0},
                 {"%\nG01X6.6Y4.8Z-5\n", 1, true, 0},
                 {"%\nG01X-0.37Y-0.48Z50\n", 0.1, true, 0},
                 {"%\n\nG01X-0.37Y-2.45Z-5\n", 0.5, true, 0},
                 {"%\nG01Z60.04\n", 1, true, 0},
                 {"%\nG01X-3.7Y-4.8Z-5\n", 0.5, false, 0},
                 {"%\nG01X-3.7Y2.5Z-5\n", 1, false, 0},
                 {"%\nG01X10.7Y10.7\n", 1, false, 0},
                 {"%\nG01X10.6Y10.6Z59.4\n", 1, false, 0},
                 {"%\nG01X-0.37Y-0.48Z59\n", 0.1, false, 0},
                 {"%\nG01X3.7Y40Z55.2\n", 1, false, 0},
                 {"%\nG01X6.7Y4.9Z19.9\n", 1, false, 0},
                 {"%\nG01X7.9Y2.5Z65.6\n", 0.5, false, 0},
                 {"%\nG00X10\nG03X0Y10Z59I-10J0\n", 1, true, 0},
                 {"%\nG00X10\nG02X10Y0Z50I-10J0\n", 1, true, 0},
                 {"%\nG03X1Y1I0J1\n", 1, true, 0},
                 {"%\nG00X10\nG03X0Y10.05I-10J0\n", 0.01, true, 0},
                 {"%\nG00X10\nG03X0Y9.95I-10J0\n", 0.01, true, 0},
                 {"%\nG00X10\nG02X-10.05Y0I-10J0\n", 0.01, true, 0},
                 {"%\nG00X10\nG03X7.1Y7.1I-10J0\n", 0.01, true, 0},
                 {"%\nG00X10\nG03X0Y10.05I-10J0\n", 1, false, 20},
                 {"%\nG00X10\nG03X0Y10.005I-10J0\n", 0.01, false, 2000},
                 {"%\nG00X10\nG02X-10.004Y0I-10J0\n", 0.01, false, 4000},
                 {"%\nG00X10\nG03X7.07Y7.07I-10J0\n", 0.01, false, 1000},
                 {"%\nG00X10\nG03X10Y-1I-10J0\n", 1, false, 79},
                 {"%\nG00X10\nG02X10Y1I-10J0\n", 1, false, 79},
                 {"%\nG00X10\nG02X10Y0.01I-10J0\n", 0.01, false, 7999},
                 {"%\nG00X10\nG03X10Y-0.01I-10J0\n", 0.01, false, 7999},
                 {"%\nG00X10\nG03X0Y10Z59.5I-10J0\n", 1, false, 20},
                 {"%\nG00X10\nG03X0Y10I-10J0\n", 1, false, 20}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.program + " dl " + std::to_string(c.dl));
        const test::TracedRun run(c.program + "M03\n", c.dl);
        const auto line = std::count(c.program.begin(), c.program.end(), '\n');
        const test::SegmentRun& seg = run.segments.at(run.segments.size() - (c.stops ? 1 : 2));
        const test::State& end = seg.last();
        const double dlstep = c.dl * 10, steps = static_cast<double>(seg.steps());
        const auto mm = [](Decimal v) { return v.toDouble(); };
        const double miss =
            std::hypot(10 * mm(seg.handed.xe) - end.xcur, 10 * mm(seg.handed.ye) - end.ycur,
                       10 * mm(seg.handed.ze) - end.zcur);
        const bool arc = seg.handed.gmode >= Mode::Clockwise;
        EXPECT_EQ(seg.line, line);
        EXPECT_TRUE(run.machine.idle());
        EXPECT_EQ(run.machine.switches().zhukg, !c.stops);
        EXPECT_EQ(test::shown(run.panel),
                  c.stops ? "第" + std::to_string(line) + "行有错终点无法到达 (出错)" : "");
        if (!c.stops) {
            EXPECT_LT(miss, dlstep);
            EXPECT_TRUE(arc ? seg.steps() == c.arcSteps : miss > 0) << steps << " steps, " << miss;
        } else if (arc) {
            const double r10 = std::hypot(mm(seg.handed.ic), mm(seg.handed.jc)) * 10;
            EXPECT_LE(steps, 1.25 * 8 * r10 / dlstep + 17);
        } else {
            const motion::Segment& h = seg.handed;
            double past = 0;  // the most any moving axis has passed its end
            for (const auto& [from, to, at] : {std::array{mm(h.xs), mm(h.xe), end.xcur},
                                               std::array{mm(h.ys), mm(h.ye), end.ycur},
                                               std::array{mm(h.zs), mm(h.ze), end.zcur}}) {
                if (to != from) past = std::max(past, (at - 10 * to) * (to > from ? 1 : -1));
            }
            EXPECT_TRUE(steps == 0 || (past >= dlstep && past < 2 * dlstep)) << past;
            EXPECT_LE(static_cast<double>((seg.ticks.size() + 1) / 2), 2 * mm(h.regmax) / c.dl);
        }
    }
}

}  // namespace
}  // namespace tarvo::motion
