#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "motion/EngineTrace.h"
#include "motion/ReachGuard.h"

namespace tarvo::motion {
namespace {

using test::TracedRun;

// Distance from the segment's last step point to its programmed end.
double missBy(const test::SegmentRun& seg) {
    const test::EngineTick& t = seg.last();
    return std::sqrt(std::pow(10 * seg.handed.xe - t.xcur, 2) +
                     std::pow(10 * seg.handed.ye - t.ycur, 2) +
                     std::pow(10 * seg.handed.ze - t.zcur, 2));
}

double radius10(const Segment& s) {
    return std::hypot(s.ic, s.jc) * 10;
}

// A motion that can never pass the end test stops the run with an error on
// its line; the lines after it are not read, and the cut so far is kept.
void expectStopped(const TracedRun& run, std::int64_t line) {
    ASSERT_EQ(run.panel.messages.size(), 1u);
    EXPECT_EQ(run.panel.messages[0].text, "第" + std::to_string(line) + "行有错终点无法到达");
    EXPECT_EQ(run.panel.messages[0].title, "出错");
    EXPECT_TRUE(run.machine.idle());
    EXPECT_EQ(run.segments().back().line, line);
    EXPECT_FALSE(run.machine.switches().zhukg);  // the M03 after it never ran
    std::size_t below = 0;
    for (const auto& p : run.panel.points) below += p.z <= 0 ? 1 : 0;
    EXPECT_EQ(run.machine.path().pathUpper(), below);
}

// The motion on the last line of a program (before the M03 line added).
const test::SegmentRun& lastMotion(const TracedRun& run, const std::string& program) {
    const auto line = static_cast<std::int64_t>(std::count(program.begin(), program.end(), '\n'));
    for (const test::SegmentRun& seg : run.segments()) {
        if (seg.line == line) return seg;
    }
    ADD_FAILURE() << "no motion on line " << line;
    return run.segments().back();
}

void expectEnded(const TracedRun& run, const test::SegmentRun& seg, double dl) {
    EXPECT_TRUE(run.panel.messages.empty());
    EXPECT_TRUE(run.machine.idle());
    EXPECT_TRUE(run.machine.switches().zhukg);
    EXPECT_LT(missBy(seg), dl * 10);
}

struct GuardCase {
    const char* name;
    std::string program;  // the motion under test is the last one
    double dl;
    std::int64_t line = 0;  // its line, where the run must stop
};

std::string withSpindleAfter(const std::string& program) {
    return program + "M03\n";
}

// Straight moves off the step grid: an axis that lags behind the others may
// pass its end by more than a step. Such a line must stop, at the latest
// when a line of its length would have taken twice its iterations.
class UnreachableLine : public ::testing::TestWithParam<GuardCase> {};

TEST_P(UnreachableLine, StopsTheRun) {
    const GuardCase& c = GetParam();
    TracedRun run(withSpindleAfter(c.program), c.dl);
    expectStopped(run, c.line);
    const test::SegmentRun& seg = run.segments().back();
    EXPECT_LE(static_cast<double>(seg.iterations()), 2 * seg.handed.regmax / c.dl);
    EXPECT_GE(missBy(seg), c.dl * 10);
}

INSTANTIATE_TEST_SUITE_P(
    OffTheGrid, UnreachableLine,
    ::testing::Values(GuardCase{"LaggingXY", "%\nG01X-3.7Y-4.8Z-5\n", 1, 2},
                      GuardCase{"LaggingXYUp", "%\nG01X6.6Y4.8Z-5\n", 1, 2},
                      GuardCase{"TenthStep", "%\nG01X-0.37Y-0.48Z50\n", 0.1, 2},
                      GuardCase{"HalfStep", "%\n\nG01X-0.37Y-2.45Z-5\n", 0.5, 3},
                      // Nothing moves, and a new machine's point stands at the origin.
                      GuardCase{"NothingMoves", "%\nG01Z60.04\n", 1, 2}),
    test::CaseName{});

TEST(ReachGuard, StopNamesTheLineOfTheMotion) {
    TracedRun run("%\nG00X10\n\nG01X-3.7Y-4.8Z-5\nM03\n");
    expectStopped(run, 4);
}

// Off the grid, but some step point comes within one step: the line ends.
class ReachableLine : public ::testing::TestWithParam<GuardCase> {};

TEST_P(ReachableLine, Ends) {
    const GuardCase& c = GetParam();
    TracedRun run(withSpindleAfter(c.program), c.dl);
    const test::SegmentRun& seg = lastMotion(run, c.program);
    expectEnded(run, seg, c.dl);
    EXPECT_GT(missBy(seg), 0);
}

INSTANTIATE_TEST_SUITE_P(WithinAStep, ReachableLine,
                         ::testing::Values(GuardCase{"CoarserStep", "%\nG01X-3.7Y-4.8Z-5\n", 0.5},
                                           GuardCase{"OneLaggingAxis", "%\nG01X-3.7Y2.5Z-5\n", 1},
                                           GuardCase{"Diagonal", "%\nG01X10.7Y10.7\n", 1},
                                           GuardCase{"ThreeAxes", "%\nG01X10.6Y10.6Z59.4\n", 1},
                                           GuardCase{"TenthStep", "%\nG01X-0.37Y-0.48Z59\n", 0.1},
                                           GuardCase{"LongY", "%\nG01X3.7Y40Z55.2\n", 1},
                                           // Z passes its end by 0.9 step before X and Y catch up.
                                           GuardCase{"AxisPastItsEnd", "%\nG01X6.7Y4.9Z19.9\n", 1},
                                           GuardCase{"AxisPastItsEndHalfStep",
                                                     "%\nG01X7.9Y2.5Z65.6\n", 0.5}),
                         test::CaseName{});

// Arcs that can never end: a change of Z, an end on the start in X and Y
// with Z changed, a radius of one step, or an end off the circle by more
// than a step. They stop within about one and a quarter turns.
class UnreachableArc : public ::testing::TestWithParam<GuardCase> {};

TEST_P(UnreachableArc, StopsWithinARevolution) {
    const GuardCase& c = GetParam();
    TracedRun run(withSpindleAfter(c.program), c.dl);
    expectStopped(run, c.line);
    const test::SegmentRun& seg = run.segments().back();
    // A full turn takes 8·r/step steps: in each quadrant the staircase makes
    // as many steps on X as on Y, each adding up to the radius. The step that
    // goes past the bound is the one that proves it.
    const double r10 = radius10(seg.handed), dlstep = c.dl * 10;
    const double steps = static_cast<double>(seg.steps());
    EXPECT_LE(steps, ReachGuard::revolutionSteps(r10, dlstep) + 1);
    EXPECT_LE(steps, 1.25 * 8 * r10 / dlstep + 17);
}

INSTANTIATE_TEST_SUITE_P(
    Arcs, UnreachableArc,
    ::testing::Values(GuardCase{"ZChanges", "%\nG00X10\nG03X0Y10Z59I-10J0\n", 1, 3},
                      GuardCase{"OnlyZChanges", "%\nG00X10\nG02X10Y0Z50I-10J0\n", 1, 3},
                      GuardCase{"RadiusOneStep", "%\nG03X1Y1I0J1\n", 1, 2},
                      GuardCase{"EndOutside", "%\nG00X10\nG03X0Y10.05I-10J0\n", 0.01, 3},
                      GuardCase{"EndInside", "%\nG00X10\nG03X0Y9.95I-10J0\n", 0.01, 3},
                      GuardCase{"EndOutsideCw", "%\nG00X10\nG02X-10.05Y0I-10J0\n", 0.01, 3},
                      GuardCase{"EndOffDiagonal", "%\nG00X10\nG03X7.1Y7.1I-10J0\n", 0.01, 3}),
    test::CaseName{});

TEST(ReachGuard, RadiusOfOneStepCycles) {
    TracedRun run("%\nG03X1Y1I0J1\n");
    expectStopped(run, 2);
    const std::vector<test::RecordingPanel::Point>& shown = run.panel.points;
    const double cycle[][2] = {{0, 1}, {0, 2}, {-1, 2}, {-1, 1}, {-1, 0}, {0, 0}};
    ASSERT_GE(shown.size(), 12u);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        EXPECT_EQ(shown[i].x, cycle[i % 6][0]) << "step " << i + 1;
        EXPECT_EQ(shown[i].y, cycle[i % 6][1]) << "step " << i + 1;
        EXPECT_EQ(shown[i].z, 60) << "step " << i + 1;
    }
}

// Arcs whose end some step point comes within one step of: they end, the
// nearly full circles included.
struct ReachableArcCase {
    const char* name;
    std::string program;
    double dl;
    std::size_t steps;
};

class ReachableArc : public ::testing::TestWithParam<ReachableArcCase> {};

TEST_P(ReachableArc, Ends) {
    const ReachableArcCase& c = GetParam();
    TracedRun run(withSpindleAfter(c.program), c.dl);
    const test::SegmentRun& seg = lastMotion(run, c.program);
    expectEnded(run, seg, c.dl);
    EXPECT_EQ(seg.steps(), c.steps);
}

INSTANTIATE_TEST_SUITE_P(
    Arcs, ReachableArc,
    ::testing::Values(
        ReachableArcCase{"EndOutsideCoarse", "%\nG00X10\nG03X0Y10.05I-10J0\n", 1, 20},
        ReachableArcCase{"EndHalfAStepOut", "%\nG00X10\nG03X0Y10.005I-10J0\n", 0.01, 2000},
        ReachableArcCase{"EndInsideCw", "%\nG00X10\nG02X-10.004Y0I-10J0\n", 0.01, 4002},
        ReachableArcCase{"Diagonal", "%\nG00X10\nG03X7.07Y7.07I-10J0\n", 0.01, 1000},
        ReachableArcCase{"NearlyFullCcw", "%\nG00X10\nG03X10Y-1I-10J0\n", 1, 79},
        ReachableArcCase{"NearlyFullCw", "%\nG00X10\nG02X10Y1I-10J0\n", 1, 79},
        ReachableArcCase{"NearlyFullFineCw", "%\nG00X10\nG02X10Y0.01I-10J0\n", 0.01, 8000},
        ReachableArcCase{"NearlyFullFineCcw", "%\nG00X10\nG03X10Y-0.01I-10J0\n", 0.01, 8000},
        ReachableArcCase{"ZWithinAStep", "%\nG00X10\nG03X0Y10Z59.5I-10J0\n", 1, 20}),
    test::CaseName{});

// Moves longer than the 16-bit registers of the original controller could
// count: the wide registers carry them to their ends.
struct LongMove {
    const char* name;
    std::string program;
    double regmax;
    std::size_t steps;
    double x, y, z;  // last step point, internal units
};

class LongMoves : public ::testing::TestWithParam<LongMove> {};

TEST_P(LongMoves, ReachTheirEnds) {
    const LongMove& c = GetParam();
    TracedRun run(c.program);
    EXPECT_TRUE(run.panel.messages.empty());
    const test::SegmentRun& seg = run.segment(1);
    EXPECT_EQ(seg.handed.regmax, c.regmax);
    EXPECT_EQ(seg.steps(), c.steps);
    EXPECT_EQ(seg.ticks.size(), 2 * static_cast<std::size_t>(c.regmax) - 1);
    EXPECT_EQ(seg.last().xcur, c.x);
    EXPECT_EQ(seg.last().ycur, c.y);
    EXPECT_EQ(seg.last().zcur, c.z);
}

INSTANTIATE_TEST_SUITE_P(
    Wide, LongMoves,
    ::testing::Values(
        LongMove{"ZBeyond16Bits", "%\nG01Z-3300\n", 4096, 3360, 0, 0, -33000},
        LongMove{"ZBeyond16384", "%\nG01Z-17000\n", 32768, 17060, 0, 0, -170000},
        LongMove{"XBeyond16384WithZ", "%\nG01X20000Z40\n", 32768, 20000, 200000, 0, 400},
        LongMove{"XYBeyond16384", "%\nG00X-17000Y9000\n", 32768, 21256, -170000, 90000, 600}),
    test::CaseName{});

}  // namespace
}  // namespace tarvo::motion
