#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/Programs.h"
#include "support/RecordingPanel.h"
#include "support/TableFile.h"
#include "teach/StepTable.h"
#include "teach/StepText.h"

namespace tarvo::teach {
namespace {

using motion::StepRecord;

std::vector<motion::StepRecord> rowsOfLine(const StepTable& table, std::int64_t line) {
    std::vector<motion::StepRecord> rows;
    for (const motion::StepRecord& r : table.rows()) {
        if (r.line == line) rows.push_back(r);
    }
    return rows;
}

// The sample program run to its end with the table watching.
template <class Base>
class Sample : public Base {
protected:
    Sample() { test::runToEnd(machine, test::sampleProgram); }

    test::RecordingPanel panel;
    interp::Machine machine{panel};
    StepTable table{machine};
};
using SampleTable = Sample<testing::Test>;
using SampleArcs = Sample<test::TableTest>;

// G00 X10 Y10: regmax 16, both registers overflowing in the textbook pattern.
TEST_F(SampleTable, RapidMoveOverflowsInTheTextbookPattern) {
    const std::vector<motion::StepRecord> rows = rowsOfLine(table, 2);
    ASSERT_EQ(rows.size(), 16u);
    const std::set<std::uint64_t> overflows{2, 4, 5, 7, 8, 10, 12, 13, 15, 16};
    for (const motion::StepRecord& r : rows) {
        SCOPED_TRACE("iteration " + std::to_string(r.number));
        const bool fed = overflows.contains(r.number);
        EXPECT_EQ(teach::decisionText(r), fed ? "jrx jry ≥ 16" : "< 16");
        EXPECT_EQ(teach::feedText(r), fed ? "+X +Y" : "");
    }
    EXPECT_EQ(teach::beforeText(rows[1]), "jrx=10 jry=10 jrz=0");
    EXPECT_EQ(teach::afterText(rows[1]), "jrx=4 jry=4 jrz=0");
    EXPECT_EQ(
        std::vector({rows[15].point.x, rows[15].point.y, rows[15].point.z, rows[15].distance}),
        std::vector({100.0, 100.0, 600.0, 0.0}));
}

TEST_P(SampleArcs, FeedsAndDeviationsAreTheKnownFigures) {
    const std::vector<motion::StepRecord> rows = rowsOfLine(table, row().as<std::int64_t>("line"));
    std::string feeds;
    std::vector<double> fm;
    for (const motion::StepRecord& r : rows) {
        feeds += (feeds.empty() ? "" : " ") + teach::feedText(r);
        fm.push_back(r.after.fm);
    }
    EXPECT_EQ(feeds, row()["feeds"]);
    EXPECT_EQ(fm, row().numbers("fm"));
    EXPECT_EQ(std::vector({rows.back().point.x, rows.back().point.y}), row().numbers("last"));
}
INSTANTIATE_TEST_SUITE_P(Data, SampleArcs, test::rowsOf("step-table-arcs.tsv"), test::rowName);

// The first step of the G03, from (30, 10), as the table shows it.
TEST_F(SampleTable, FirstArcStepReadsAsTheTextbookTable) {
    const motion::StepRecord first = rowsOfLine(table, 4).at(0);
    EXPECT_EQ(std::vector({first.point.x, first.point.y}), std::vector({300.0, 110.0}));
    EXPECT_EQ(teach::beforeText(first), "fm=0 px≥0 py<0");  // on the circle counts as outside
    EXPECT_EQ(teach::decisionText(first), "F≥0 → +Y");
    EXPECT_EQ(teach::afterText(first), "fm=-1900");
    EXPECT_EQ(teach::methodText(first.method), "逐点比较");
}

// The newest rows up to the bound; a fresh run empties it, serials go on.
TEST(StepTableBound, KeepsTheNewestRowsAndEmptiesOnAFreshRun) {
    test::RecordingPanel panel;
    interp::Machine machine(panel);
    StepTable table(machine, 10);
    test::runToEnd(machine, test::sampleProgram);
    ASSERT_EQ(table.rows().size(), 10u);
    EXPECT_EQ(table.firstSerial(), 158u);
    EXPECT_EQ(table.rows().back().number, 32u);
    EXPECT_EQ(table.segmentSerial(), table.firstSerial());  // it began before the oldest kept row
    machine.run(test::sampleProgram, {});
    EXPECT_TRUE(table.rows().empty());
    EXPECT_EQ(table.segmentSerial(), 168u);
    interp::ClockDriver(machine).runToEnd(10'000'000);
    EXPECT_EQ(table.endSerial(), 336u);
    EXPECT_EQ(table.at(335).line, 8);
}

}  // namespace
}  // namespace tarvo::teach
