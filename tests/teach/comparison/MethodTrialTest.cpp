#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "support/MethodNamed.h"
#include "support/TableFile.h"
#include "teach/comparison/MethodTrial.h"

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
    EXPECT_EQ(f.steps(), row.as<std::uint64_t>("steps"));
    EXPECT_EQ(f.iterations(), row.as<std::uint64_t>("iterations"));
    EXPECT_EQ(f.idle(), row.as<std::uint64_t>("idle"));
    const std::vector<double> pulses = row.numbers("pulses");
    ASSERT_EQ(pulses.size(), 3u);
    for (int axis = 0; axis < 3; ++axis) EXPECT_EQ(f.pulses[axis], pulses[axis]) << axis;
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
    EXPECT_GE(ticks, 100u);
    EXPECT_LE(ticks, 101u);
    t.stop();
    EXPECT_EQ(t.end(), MethodTrial::End::Cancelled);
    EXPECT_FALSE(t.advance(100));
    EXPECT_EQ(t.ticks(), ticks);
    EXPECT_GT(t.run().compared().steps(), 0u);
    EXPECT_TRUE(t.message().empty());
}

}  // namespace
}  // namespace tarvo::teach
