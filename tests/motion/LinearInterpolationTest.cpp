#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "motion/EngineTrace.h"

namespace tarvo::motion {
namespace {

using test::TracedRun;

enum class Axis { X, Y, Z };

double position(const Registers& r, Axis a) {
    return a == Axis::X ? r.px : a == Axis::Y ? r.py : r.pz;
}

// The iterations (counted from 1) in which an axis's register overflowed.
std::vector<int> overflows(const test::SegmentRun& seg, Axis a) {
    std::vector<int> out;
    double before = 0;
    for (std::size_t i = 0; i < seg.ticks.size(); ++i) {
        const double now = position(seg.ticks[i].r, a);
        if (now != before) out.push_back(static_cast<int>(i / 2 + 1));
        before = now;
    }
    return out;
}

// Digital integration steps each axis at a rate proportional to its
// increment; the pattern repeats every regmax iterations.
struct OverflowCase {
    const char* name;
    std::string program;
    std::size_t segment;
    Axis axis;
    std::vector<int> iterations;
};

class OverflowPattern : public ::testing::TestWithParam<OverflowCase> {};

TEST_P(OverflowPattern, OfTheRegister) {
    const OverflowCase& c = GetParam();
    TracedRun run(c.program);
    EXPECT_EQ(overflows(run.segment(c.segment), c.axis), c.iterations);
}

const std::vector<int> tenIn16{2, 4, 5, 7, 8, 10, 12, 13, 15, 16};
const std::vector<int> fiveIn16{4, 7, 10, 13, 16};

INSTANTIATE_TEST_SUITE_P(
    Increments, OverflowPattern,
    ::testing::Values(OverflowCase{"DiagonalX", "%\nG00X10Y10\n", 1, Axis::X, tenIn16},
                      OverflowCase{"DiagonalY", "%\nG00X10Y10\n", 1, Axis::Y, tenIn16},
                      OverflowCase{"TenAndFiveX", "%\nG00Z0\nG01X10Y5\n", 2, Axis::X, tenIn16},
                      OverflowCase{"TenAndFiveY", "%\nG00Z0\nG01X10Y5\n", 2, Axis::Y, fiveIn16},
                      OverflowCase{"NegativeTen", "%\nG00X10Y10\nG01X0Y5\n", 2, Axis::X, tenIn16},
                      OverflowCase{"NegativeFive", "%\nG00X10Y10\nG01X0Y5\n", 2, Axis::Y, fiveIn16},
                      // 2.5 mm feeds the integer Z register 2 per iteration.
                      OverflowCase{"RoundedZ", "%\nG00Z0\nG01X10Z-2.5\n", 2, Axis::Z, {8, 16}},
                      OverflowCase{"ShortRoundedZ", "%\nG00Z0\nG01Z-2.5\n", 2, Axis::Z, {2, 4}}),
    test::CaseName{});

// The Z remainder register is an integer: each sum is rounded to the
// nearest, halves to the even neighbour (2.5 -> 2, 4.5 -> 4, 6.5 -> 6).
TEST(LinearInterpolation, ZRegisterRoundsEverySum) {
    TracedRun run("%\nG00Z0\nG01X10Z-2.5\n");
    const test::SegmentRun& seg = run.segment(2);
    std::vector<std::int64_t> jrz;
    for (std::size_t i = 0; i < seg.ticks.size(); i += 2) jrz.push_back(seg.ticks[i].r.jrz);
    const std::vector<std::int64_t> expected{2, 4, 6, 8, 10, 12, 14, 0, 2, 4, 6, 8, 10, 12, 14, 0};
    EXPECT_EQ(jrz, expected);
    // Two Z steps instead of 2.5: the end test accepts -20 for -25.
    EXPECT_EQ(seg.last().xcur, 100);
    EXPECT_EQ(seg.last().zcur, -20);
    EXPECT_TRUE(run.panel.messages.empty());
}

// The X and Y registers keep fractions exactly as doubles.
TEST(LinearInterpolation, FractionalIncrementsAccumulate) {
    TracedRun run("%\nG01X10.5\n");
    const test::SegmentRun& seg = run.segment(1);
    EXPECT_EQ(seg.handed.regmax, 16);
    EXPECT_EQ(seg.ticks[0].r.jrx, 10.5);
    EXPECT_EQ(seg.ticks[2].r.jrx, 5);
    // Ten steps end within half a step of 105.
    EXPECT_EQ(seg.steps(), 10u);
    EXPECT_EQ(seg.last().xcur, 100);
    // The next segment starts from the programmed end, not the step point.
    EXPECT_EQ(run.machine.segment().xs, 10.5);
}

}  // namespace
}  // namespace tarvo::motion
