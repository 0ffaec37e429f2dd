#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "support/MachineRecorder.h"
#include "support/TableFile.h"

namespace tarvo::motion {
namespace {

using test::dbl;

// The most any moving axis of a straight move has passed its end, internal units.
double pastTheEnd(const Segment& h, const test::State& end) {
    double past = 0;
    for (const auto& [from, to, at] :
         {std::array{dbl(h.xs), dbl(h.xe), end.xcur}, std::array{dbl(h.ys), dbl(h.ye), end.ycur},
          std::array{dbl(h.zs), dbl(h.ze), end.zcur}}) {
        if (to != from) past = std::max(past, (at - 10 * to) * (to > from ? 1 : -1));
    }
    return past;
}

TARVO_TABLE_SUITE(ReachGuard, "reach-guard.tsv");

// What stops has gone at most a step past its end, or (an arc) about a full turn; no more.
TEST_P(ReachGuard, StopsWhatCanNeverEndAndOnlyThat) {
    const std::string& program = row()["program"];
    const double dl = row().number("dl"), dlstep = 10 * dl;
    const bool stops = row()["outcome"] == "stops";
    const test::TracedRun run(program + "M03\n", dl);
    const auto line = std::count(program.begin(), program.end(), '\n');
    const test::SegmentRun& seg = run.segments.at(run.segments.size() - (stops ? 1 : 2));
    const Segment& h = seg.handed;
    const test::State& end = seg.last();
    const double steps = static_cast<double>(seg.steps());
    const bool arc = h.gmode >= Mode::Clockwise;
    EXPECT_EQ(seg.line, line);
    EXPECT_TRUE(run.machine.idle());
    EXPECT_EQ(run.machine.switches().zhukg, !stops);
    EXPECT_EQ(test::shown(run.panel),
              stops ? "第" + std::to_string(line) + "行有错终点无法到达 (出错)" : "");
    if (!stops) {
        const double miss = std::hypot(10 * dbl(h.xe) - end.xcur, 10 * dbl(h.ye) - end.ycur,
                                       10 * dbl(h.ze) - end.zcur);
        EXPECT_LT(miss, dlstep);
        EXPECT_TRUE(arc ? steps == row().number("outcome") : miss > 0) << steps << ", " << miss;
    } else if (arc) {
        EXPECT_LE(steps, 1.25 * 8 * std::hypot(dbl(h.ic), dbl(h.jc)) * 10 / dlstep + 17);
    } else {
        const double past = pastTheEnd(h, end);
        EXPECT_TRUE(steps == 0 || (past >= dlstep && past < 2 * dlstep)) << past;
        EXPECT_LE(static_cast<double>((seg.ticks.size() + 1) / 2), 2 * dbl(h.regmax) / dl);
    }
}
}  // namespace
}  // namespace tarvo::motion
