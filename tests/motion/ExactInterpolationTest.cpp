#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interp/Machine.h"
#include "interp/Panel.h"
#include "motion/StepRecord.h"
#include "motion/exact/NumberText.h"
#include "support/Programs.h"
#include "support/TableFile.h"

namespace tarvo::motion {
namespace {

// The iterations of the last motion of the row's program, run at the row's pulse equivalent.
struct LastMotion : StepObserver {
    std::vector<StepRecord> records;
    bool idle = false;

    explicit LastMotion(const test::TableRow& row) {
        interp::SilentPanel panel;
        interp::Machine machine{panel};
        machine.addStepObserver(this);
        test::runToEnd(machine, "%\n" + row["program"] + "\n%\n", test::withDl(row.number("dl")));
        idle = machine.idle();
        const std::int64_t last = records.empty() ? 0 : records.back().line;
        std::erase_if(records, [last](const StepRecord& r) { return r.line != last; });
    }
    void interpolated(const StepRecord& record, const Segment&) override {
        records.push_back(record);
    }
};

TARVO_TABLE_SUITE(ExactArcEnd, "exact/arc-ends.tsv");
TARVO_TABLE_SUITE(ExactArcDeviation, "exact/fm-sequences.tsv");
TARVO_TABLE_SUITE(ExactLineOverflow, "exact/line-overflows.tsv");

// Quarter, half and off-centre arcs of 13, 25 and 65 pulses at fine pulse
// equivalents take the textbook count of steps and stop on their end point.
TEST_P(ExactArcEnd, OnTheEndPoint) {
    const LastMotion arc(row());
    ASSERT_FALSE(arc.records.empty());
    EXPECT_TRUE(arc.idle);
    const StepRecord& end = arc.records.back();
    EXPECT_EQ(std::tuple(arc.records.size(), end.point.x, end.point.y, end.distance2),
              std::tuple(row().as<std::size_t>("steps"), test::decimalOf(row().number("x")) * 10,
                         test::decimalOf(row().number("y")) * 10, Squared{}));
}

// fm after every step, internal units squared (100 times the textbook F at
// 1 mm), and the feed it chose; exactly 0 where the arc crosses a lattice point.
TEST_P(ExactArcDeviation, IsTheTextbookFigure) {
    std::string fm, feeds;
    for (const StepRecord& r : LastMotion(row()).records) {
        const int axis = r.feed[0] != 0 ? 0 : 1;
        fm += " " + exactText(r.after.fm);
        feeds += std::string(r.feed[axis] > 0 ? " +" : " -") + "XY"[axis];
    }
    EXPECT_EQ(fm, " " + row()["fm"]);
    EXPECT_EQ(feeds, " " + row()["feeds"]);
}

// Digital integration overflows where the exact sum reaches regmax, not an
// iteration later, and the line ends on its end point.
TEST_P(ExactLineOverflow, OnTheExactSum) {
    const LastMotion line(row());
    ASSERT_FALSE(line.records.empty());
    std::vector<double> x, y;
    for (const StepRecord& r : line.records) {
        if (r.feed[0] != 0) x.push_back(static_cast<double>(r.number));
        if (r.feed[1] != 0) y.push_back(static_cast<double>(r.number));
    }
    EXPECT_EQ(std::tuple(x, y, line.records.size(), line.records.back().distance2),
              std::tuple(row().numbers("x"), row().numbers("y"),
                         row().as<std::size_t>("iterations"), Squared{}));
}

}  // namespace
}  // namespace tarvo::motion
