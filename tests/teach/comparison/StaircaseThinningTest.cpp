#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <vector>

#include "teach/comparison/FeedHistory.h"
#include "teach/comparison/StepPolyline.h"

namespace tarvo::teach {
namespace {

using Point = StepPolyline::Point;

IdealSegment lineTo(double x0, double y0, double x1, double y1) {
    IdealSegment s;
    s.gmode = motion::Mode::Line;
    s.start = {x0, y0, 0};
    s.end = {x1, y1, 0};
    return s;
}

// The step points of a line from the origin by point-by-point comparison, one pulse a step.
std::vector<Point> staircase(int xe, int ye, double pulse) {
    std::vector<Point> points;
    long long f = 0;
    int x = 0, y = 0;
    while (x < xe || y < ye) {
        if (f >= 0 && x < xe) {
            ++x;
            f -= ye;
        } else {
            ++y;
            f += xe;
        }
        points.push_back({x * pulse, y * pulse});
    }
    return points;
}

// Kept points are some of the step points in their order, and every step point lies closer
// than `reach` along both axes to one of the two kept points last passed.
void expectWithin(const std::vector<Point>& kept, const std::vector<Point>& steps, double reach) {
    std::size_t k = 1;  // kept[0] is the start, before any step
    for (const Point& p : steps) {
        const auto near = [&p, reach](const Point& q) {
            return std::abs(p.x - q.x) < reach && std::abs(p.y - q.y) < reach;
        };
        const bool isKept = k < kept.size() && kept[k] == p;
        if (isKept) ++k;
        ASSERT_TRUE(isKept || near(kept[k - 1]) || (k >= 2 && near(kept[k - 2])))
            << p.x << ' ' << p.y;
    }
    EXPECT_EQ(k, kept.size()) << "a kept point that is no step point";
}

// A line of 700,000 steps: a cell of 1/4096 of its extent holds some 120 of them. The first
// and the last point stay, the shape stays within a cell, and what is kept stays bounded.
TEST(TeachStepPolyline, ThinsALongStaircaseToCells) {
    const double pulse = 0.01;
    const std::vector<Point> steps = staircase(400'000, 300'000, pulse);
    StepPolyline line;
    line.begin(lineTo(0, 0, 4000, 3000));
    EXPECT_DOUBLE_EQ(line.cell(), 4000 / StepPolyline::cellsAcross);
    for (const Point& p : steps) line.add(p.x, p.y);
    ASSERT_EQ(line.parts().size(), 1u);
    const std::vector<Point>& kept = line.parts().front();
    EXPECT_EQ(kept.front(), (Point{0, 0}));
    EXPECT_EQ(kept.back(), steps.back());
    EXPECT_LE(kept.size(), 2 * 2 * 4096u);
    EXPECT_GE(kept.size(), 4096u);
    expectWithin(kept, steps, line.cell());
}

// Where a pulse is wider than a cell, nothing is thinned: every step of a short line stays.
TEST(TeachStepPolyline, KeepsEveryStepWiderThanACell) {
    const std::vector<Point> steps = staircase(5, 3, 10);
    StepPolyline line;
    line.begin(lineTo(0, 0, 50, 30));
    for (const Point& p : steps) line.add(p.x, p.y);
    std::vector<Point> all{{0, 0}};
    all.insert(all.end(), steps.begin(), steps.end());
    EXPECT_EQ(line.parts().front(), all);
}

// A move that starts where the last ended goes on in the same part; one after a gap (a rapid
// left out) begins a new part at its start. The cell follows the widest extent so far.
TEST(TeachStepPolyline, BeginsAPartAfterAGap) {
    StepPolyline line;
    line.begin(lineTo(0, 0, 2, 0));
    line.add(1, 0);
    line.add(2, 0);
    line.begin(lineTo(2, 0, 2, 1));
    line.add(2, 1);
    line.begin(lineTo(4096, 1, 4096, 2));
    line.add(4096, 2);
    ASSERT_EQ(line.parts().size(), 2u);
    EXPECT_EQ(line.parts()[0], (std::vector<Point>{{0, 0}, {1, 0}, {2, 0}, {2, 1}}));
    EXPECT_EQ(line.parts()[1], (std::vector<Point>{{4096, 1}, {4096, 2}}));
    EXPECT_DOUBLE_EQ(line.cell(), 1);
}

// Twenty passes to and fro over the same ground, 100,000 steps each: each pass alone would keep
// some 8,000 points, all of them 160,000, more than the budget. The cells are widened once
// instead, and every step point stays within one and a half of them.
TEST(TeachStepPolyline, WidensItsCellsToKeepWithinItsBudget) {
    StepPolyline line;
    std::vector<Point> steps;
    for (int pass = 0; pass < 20; ++pass) {
        const double y = pass * 0.5, from = pass % 2 ? 1000 : 0, to = 1000 - from;
        line.begin(lineTo(from, y, to, y));
        for (int i = 1; i <= 100'000; ++i) {
            const Point p{from + (to - from) * i / 100'000, y};
            line.add(p.x, p.y);
            steps.push_back(p);
        }
        steps.push_back({to, y + 0.5});
        line.begin(lineTo(to, y, to, y + 0.5));
        line.add(to, y + 0.5);
    }
    ASSERT_EQ(line.parts().size(), 1u);
    const std::vector<Point>& kept = line.parts().front();
    EXPECT_LE(kept.size(), StepPolyline::pointBudget);
    EXPECT_DOUBLE_EQ(line.cell(), 2 * 1000 / StepPolyline::cellsAcross);
    EXPECT_EQ(kept.front(), (Point{0, 0}));
    EXPECT_EQ(kept.back(), steps.back());
    expectWithin(kept, steps, 1.5 * line.cell());
}

// Up to 4,096 iterations each has a bucket; beyond, neighbours merge, and the counts stay
// exact whatever the length.
TEST(TeachFeedHistory, FoldsAsItComes) {
    FeedHistory feeds;
    const auto axesOf = [](std::uint64_t i) { return static_cast<int>(i % 7 % 4); };
    for (std::uint64_t i = 0; i < FeedHistory::buckets; ++i) feeds.add(axesOf(i));
    EXPECT_EQ(feeds.width(), 1u);
    ASSERT_EQ(feeds.kept().size(), FeedHistory::buckets);
    EXPECT_EQ(feeds.kept()[5].most(), 1);
    EXPECT_EQ(feeds.kept()[5].iterations(), 1u);
    EXPECT_EQ(feeds.span(5, 6).most(), 1);

    const std::uint64_t n = 1'000'003;
    for (std::uint64_t i = FeedHistory::buckets; i < n; ++i) feeds.add(axesOf(i));
    EXPECT_EQ(feeds.iterations(), n);
    EXPECT_EQ(feeds.width(), 256u);  // the least power of two with n / width ≤ 4096
    EXPECT_EQ(feeds.kept().size(), (n + 255) / 256);
    FeedCounts expected;
    for (std::uint64_t i = 0; i < n; ++i) ++expected.fed[axesOf(i)];
    const FeedCounts all = feeds.span(0, n);
    for (int axes = 0; axes < 4; ++axes) EXPECT_EQ(all.fed[axes], expected.fed[axes]) << axes;
    // 0 1 2 3 0 1 2 of every 7: (0 + 2·1 + 2·√2 + √3)/7 per iteration, near enough.
    EXPECT_NEAR(all.meanFeed(), (2 + 2 * std::sqrt(2.0) + std::sqrt(3.0)) / 7, 1e-5);
    EXPECT_EQ(all.most(), 3);
    // A column narrower than a bucket shows the bucket it lies in.
    EXPECT_EQ(feeds.span(1000, 1001).iterations(), 256u);
    EXPECT_EQ(feeds.span(512, 1024).iterations(), 512u);
}

}  // namespace
}  // namespace tarvo::teach
