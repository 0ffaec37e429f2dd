#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <sstream>
#include <vector>

#include "support/MethodNamed.h"
#include "support/TableFile.h"
#include "teach/comparison/FeedHistory.h"
#include "teach/comparison/MethodTrial.h"
#include "teach/comparison/StepPolyline.h"

namespace tarvo::teach {
namespace {

// The ends in the order MethodTrial::End declares them.
std::string endName(MethodTrial::End end) {
    const char* names[] = {"running", "finished", "error", "tick-limit", "cancelled"};
    return names[static_cast<int>(end)];
}

// Drives a trial to its end in slices of the given number of ticks.
void runOut(MethodTrial& trial, std::uint64_t slice) {
    while (trial.advance(slice)) {
    }
}

interp::Parameters atPulse(const std::string& dl) {
    interp::Parameters p;
    p.dl = interp::readParameter(dl);
    return p;
}

void expectFigures(const MethodFigures& f, const test::TableRow& row) {
    std::string counts;
    for (const auto n :
         {f.steps(), f.iterations(), f.idle(), f.pulses[0], f.pulses[1], f.pulses[2]})
        counts += std::to_string(n) + ' ';
    EXPECT_EQ(counts, row["steps"] + ' ' + row["iterations"] + ' ' + row["idle"] + ' ' +
                          row["pulses"] + ' ');
    EXPECT_NEAR(f.largestDeviation, row.number("largest"), 5e-7);
    EXPECT_NEAR(f.meanDeviation(), row.number("mean"), 5e-7);
}

TARVO_TABLE_SUITE(TeachMethodFigures, "method-figures.tsv");

TEST_P(TeachMethodFigures, RunSumsTheMovesCompared) {
    const auto limit = static_cast<std::uint64_t>(row().numberOr("limit", 100000));
    MethodTrial t(row()["program"], atPulse(row()["dl"]), test::methodNamed(row()["method"]),
                  limit);
    runOut(t, limit);
    EXPECT_EQ(endName(t.end()), row()["end"]);
    EXPECT_EQ(t.message(), row()["shown"]);
    if (row()["steps"].empty()) return;
    const MethodFigures& f = t.run().compared();
    expectFigures(f, row());
    // While a run has fewer iterations than the plot has buckets, each has its own.
    std::ostringstream fed;
    ASSERT_EQ(t.run().feeds().width(), 1u);
    for (const FeedCounts& one : t.run().feeds().kept()) {
        ASSERT_EQ(one.iterations(), 1u);
        fed << (fed.tellp() ? " " : "") << one.most();
    }
    EXPECT_EQ(fed.str(), row()["fed"]);
    EXPECT_EQ(t.run().feeds().span(0, f.iterations()).meanFeed(), f.feeds.meanFeed());
    // Pulses far larger than a cell of the drawing: the staircase keeps each part's start and
    // every step point.
    std::size_t points = 0;
    for (const auto& part : t.run().staircase().parts()) points += part.size();
    EXPECT_EQ(points, f.steps() + t.run().staircase().parts().size());
}

TARVO_TABLE_SUITE(TeachMethodMoves, "method-moves.tsv");

TEST_P(TeachMethodMoves, RunKeepsEachMoveAndTheRapidsApart) {
    MethodTrial t(row()["program"], atPulse(row()["dl"]), test::methodNamed(row()["method"]),
                  100000);
    runOut(t, 100000);
    const std::vector<MoveFigures>& moves = t.run().moves();
    ASSERT_EQ(moves.size(), row().as<std::size_t>("moves"));
    if (row()["move"] == "sum") {
        expectFigures(t.run().compared(), row());
        return;
    }
    const MoveFigures& move = moves.at(row().as<std::size_t>("move") - 1);
    EXPECT_EQ(move.line, row().as<std::int64_t>("line"));
    EXPECT_EQ("G0" + std::to_string(static_cast<int>(move.gmode)), row()["g"]);
    EXPECT_EQ(move.rapid(), row()["g"] == "G00");
    expectFigures(move.figures, row());
}

// A move's figures as one text, to compare two runs' figures exactly.
std::string figuresText(const MethodFigures& f) {
    std::ostringstream out;
    out << std::hexfloat;
    for (const auto pulses : f.pulses) out << pulses << ' ';
    for (const auto fed : f.feeds.fed) out << fed << ' ';
    out << f.largestDeviation << ' ' << f.deviationSum;
    return out.str();
}

// Two lines, a rapid and a half circle at 0.01 mm: thousands of iterations, so that the
// staircase is thinned and the feeds are folded. However the run is sliced, it comes to the
// same figures, the same staircase and the same feeds as in one go.
TEST(TeachMethodTrial, SlicesMakeNoDifference) {
    const std::string program = "%\nG01X30Y20\nG01X60Y25\nG00X35Y20\nG02X45Y20I5J0\n%\n";
    for (const char* method : {"comparison", "dda", "dda-half"}) {
        MethodTrial whole(program, atPulse("0.01"), test::methodNamed(method), 1'000'000);
        runOut(whole, 1'000'000);
        ASSERT_EQ(whole.end(), MethodTrial::End::Finished) << method << whole.message();
        ASSERT_GT(whole.run().feeds().width(), 1u) << method;
        ASSERT_GT(whole.run().staircase().cell(), 0) << method;
        MethodFigures sum;
        for (const MoveFigures& move : whole.run().moves()) {
            if (!move.rapid()) sum.feeds.add(move.figures.feeds);
        }
        EXPECT_EQ(sum.feeds.iterations(), whole.run().compared().iterations()) << method;
        EXPECT_EQ(whole.run().moves().size(), 4u);
        for (const std::uint64_t slice : {1u, 3u, 4096u}) {
            MethodTrial sliced(program, atPulse("0.01"), test::methodNamed(method), 1'000'000);
            runOut(sliced, slice);
            EXPECT_EQ(sliced.end(), whole.end());
            EXPECT_EQ(sliced.ticks(), whole.ticks()) << method << slice;
            const auto& a = whole.run();
            const auto& b = sliced.run();
            ASSERT_EQ(a.moves().size(), b.moves().size());
            for (std::size_t m = 0; m < a.moves().size(); ++m) {
                EXPECT_EQ(figuresText(a.moves()[m].figures), figuresText(b.moves()[m].figures));
            }
            EXPECT_EQ(figuresText(a.compared()), figuresText(b.compared())) << method << slice;
            EXPECT_EQ(a.staircase().parts(), b.staircase().parts()) << method << slice;
            ASSERT_EQ(a.feeds().kept().size(), b.feeds().kept().size());
            for (std::size_t k = 0; k < a.feeds().kept().size(); ++k) {
                EXPECT_EQ(a.feeds().kept()[k].fed[1], b.feeds().kept()[k].fed[1]) << k;
                EXPECT_EQ(a.feeds().kept()[k].fed[2], b.feeds().kept()[k].fed[2]) << k;
            }
        }
    }
}

// Stopped between slices, a trial keeps what it did and says it was cancelled; an ended
// trial advances no more.
TEST(TeachMethodTrial, StopsBetweenSlices) {
    MethodTrial t("%\nG01X30Y20\n%\n", atPulse("0.01"), test::methodNamed("comparison"), 1'000'000);
    EXPECT_EQ(t.end(), MethodTrial::End::Running);
    EXPECT_TRUE(t.advance(100));
    const std::uint64_t ticks = t.ticks();
    EXPECT_TRUE(ticks == 100 || ticks == 101) << ticks;
    t.stop();
    EXPECT_FALSE(t.advance(100));
    EXPECT_EQ(std::tuple(endName(t.end()), t.ticks(), t.message()),
              std::tuple("cancelled", ticks, ""));
    EXPECT_GT(t.run().compared().steps(), 0u);
}

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

// Kept points are some of the step points in their order, from the start at the origin to the
// last step point, and every step point lies closer than `reach` along both axes to one of the
// two kept points last passed.
void expectWithin(const std::vector<Point>& kept, const std::vector<Point>& steps, double reach) {
    EXPECT_EQ(std::tuple(kept.front(), kept.back()), std::tuple(Point{0, 0}, steps.back()));
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
    EXPECT_TRUE(kept.size() >= 4096u && kept.size() <= 2 * 2 * 4096u) << kept.size();
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
    expectWithin(kept, steps, 1.5 * line.cell());
}

// Up to 4,096 iterations each has a bucket; beyond, neighbours merge, and the counts stay
// exact whatever the length.
TEST(TeachFeedHistory, FoldsAsItComes) {
    FeedHistory feeds;
    const auto axesOf = [](std::uint64_t i) { return static_cast<int>(i % 7 % 4); };
    for (std::uint64_t i = 0; i < FeedHistory::buckets; ++i) feeds.add(axesOf(i));
    ASSERT_EQ(feeds.kept().size(), FeedHistory::buckets);
    EXPECT_EQ(std::tuple(feeds.width(), feeds.kept()[5].most(), feeds.kept()[5].iterations(),
                         feeds.span(5, 6).most()),
              std::tuple(1u, 1, 1u, 1));

    const std::uint64_t n = 1'000'003;
    for (std::uint64_t i = FeedHistory::buckets; i < n; ++i) feeds.add(axesOf(i));
    // 256: the least power of two with n / width ≤ 4096.
    EXPECT_EQ(std::tuple(feeds.iterations(), feeds.width(), feeds.kept().size()),
              std::tuple(n, 256u, (n + 255) / 256));
    FeedCounts expected;
    for (std::uint64_t i = 0; i < n; ++i) ++expected.fed[axesOf(i)];
    const FeedCounts all = feeds.span(0, n);
    for (int axes = 0; axes < 4; ++axes) EXPECT_EQ(all.fed[axes], expected.fed[axes]) << axes;
    // 0 1 2 3 0 1 2 of every 7: (0 + 2·1 + 2·√2 + √3)/7 per iteration, near enough.
    EXPECT_NEAR(all.meanFeed(), (2 + 2 * std::sqrt(2.0) + std::sqrt(3.0)) / 7, 1e-5);
    EXPECT_EQ(all.most(), 3);
    // A column narrower than a bucket shows the bucket it lies in.
    EXPECT_EQ(std::tuple(feeds.span(1000, 1001).iterations(), feeds.span(512, 1024).iterations()),
              std::tuple(256u, 512u));
}

}  // namespace
}  // namespace tarvo::teach
