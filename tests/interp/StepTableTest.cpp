#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "interp/StepTable.h"
#include "motion/StepCsv.h"
#include "motion/StepText.h"
#include "support/Programs.h"
#include "support/RecordingPanel.h"

namespace tarvo::interp {
namespace {

using motion::StepRecord;

std::vector<StepRecord> rowsOfLine(const StepTable& table, std::int64_t line) {
    std::vector<StepRecord> rows;
    for (const StepRecord& r : table.rows()) {
        if (r.line == line) rows.push_back(r);
    }
    return rows;
}

// The sample program run to its end with the table watching.
class SampleTable : public ::testing::Test {
protected:
    SampleTable() { test::runToEnd(machine, test::sampleProgram); }

    test::RecordingPanel panel;
    Machine machine{panel};
    StepTable table{machine};
};

// G00 X10 Y10 from the start: regmax 16, and both remainder registers
// overflow together in iterations 2, 4, 5, 7, 8, 10, 12, 13, 15 and 16.
TEST_F(SampleTable, RapidMoveOverflowsInTheTextbookPattern) {
    const std::vector<StepRecord> rows = rowsOfLine(table, 2);
    ASSERT_EQ(rows.size(), 16u);
    const std::set<std::uint64_t> overflows{2, 4, 5, 7, 8, 10, 12, 13, 15, 16};
    for (const StepRecord& r : rows) {
        SCOPED_TRACE("iteration " + std::to_string(r.number));
        const bool fed = overflows.contains(r.number);
        EXPECT_EQ(motion::decisionText(r), fed ? "jrx jry ≥ 16" : "< 16");
        EXPECT_EQ(motion::feedText(r), fed ? "+X +Y" : "");
        EXPECT_EQ(motion::methodText(r.method), "数字积分");
    }
    EXPECT_EQ(motion::beforeText(rows[1]), "jrx=10 jry=10 jrz=0");
    EXPECT_EQ(motion::afterText(rows[1]), "jrx=4 jry=4 jrz=0");
    EXPECT_EQ(
        std::vector({rows[15].point.x, rows[15].point.y, rows[15].point.z, rows[15].distance}),
        std::vector({100.0, 100.0, 600.0, 0.0}));
}

// G03 X40 Y20 I0 J10 from (30, 10), centre (300, 200): +Y first, then four X
// steps, and after 20 steps exactly on (400, 200) with no deviation left.
TEST_F(SampleTable, ArcStepsAndDeviationsAreTheKnownFigures) {
    const std::vector<StepRecord> rows = rowsOfLine(table, 4);
    ASSERT_EQ(rows.size(), 20u);
    std::string feeds;
    for (const StepRecord& r : rows) feeds += motion::feedText(r) + ' ';
    EXPECT_EQ(feeds, "+Y +X +X +X +X +X +Y +X +Y +X +X +Y +Y +X +Y +X +Y +Y +Y +Y ");
    const struct {
        std::size_t step;
        double x, y, fm;
    } known[] = {{1, 300, 110, -1900}, {2, 310, 110, -1800}, {3, 320, 110, -1500},
                 {4, 330, 110, -1000}, {5, 340, 110, -300},  {20, 400, 200, 0}};
    for (const auto& k : known) {
        const StepRecord& r = rows[k.step - 1];
        EXPECT_EQ(std::vector({r.point.x, r.point.y, r.after.fm}), std::vector({k.x, k.y, k.fm}))
            << "step " << k.step;
    }
    EXPECT_EQ(motion::beforeText(rows[0]), "fm=0 px≥0 py<0");  // on the circle counts as outside
    EXPECT_EQ(motion::decisionText(rows[0]), "F≥0 → +Y");
    EXPECT_EQ(motion::decisionText(rows[1]), "F<0 → +X");
    EXPECT_EQ(motion::afterText(rows[0]), "fm=-1900");
    EXPECT_EQ(motion::methodText(rows[0].method), "逐点比较");
}

// The seven moves take 16 + 32 + 20 + 20 + 32 + 16 + 32 iterations; the last,
// G00 X-10 Y-10 with regmax 32, is the segment under way when the run ends.
TEST_F(SampleTable, KnowsWhereTheSegmentUnderWayBegins) {
    EXPECT_EQ(table.endSerial(), 168u);
    EXPECT_EQ(table.endSerial() - table.segmentSerial(), 32u);
    EXPECT_EQ(table.at(table.segmentSerial()).line, 8);
    EXPECT_EQ(table.at(table.segmentSerial()).number, 1u);
}

TEST_F(SampleTable, CsvHasAHeaderAndOneRowPerIteration) {
    std::istringstream csv(motion::stepCsv(table.rows()));
    std::vector<std::string> lines;
    for (std::string line; std::getline(csv, line);) lines.push_back(line);
    ASSERT_EQ(lines.size(), 169u);
    EXPECT_EQ(lines[0],
              "line,step,method,gcode,regmax,jrx,jry,jrz,fm,px,py,pz,decision,feed,"
              "jrx_after,jry_after,jrz_after,fm_after,xcur,ycur,zcur,distance");
    EXPECT_EQ(lines[2],
              "2,2,integration,G00,16,10,10,0,,0,0,0,jrx jry ≥ 16,+X +Y,4,4,0,,"
              "10,10,600,127.27922061357856");
    EXPECT_EQ(lines[49],
              "4,1,comparison,G03,,,,,0,-0,-100,600,F≥0 → +Y,+Y,,,,-1900,"
              "300,110,600,134.5362404707371");
    for (const std::string& line : lines) EXPECT_EQ(std::count(line.begin(), line.end(), ','), 21);
}

// The newest rows up to the bound; a fresh run starts an empty table whose
// serials go on counting.
TEST(StepTableBound, KeepsTheNewestRowsAndEmptiesOnAFreshRun) {
    test::RecordingPanel panel;
    Machine machine(panel);
    StepTable table(machine, 10);
    test::runToEnd(machine, test::sampleProgram);
    ASSERT_EQ(table.rows().size(), 10u);
    EXPECT_EQ(table.firstSerial(), 158u);
    EXPECT_EQ(table.rows().back().number, 32u);
    EXPECT_EQ(table.segmentSerial(), table.firstSerial());  // it began before the oldest kept row
    machine.run(test::sampleProgram, {});
    EXPECT_TRUE(table.rows().empty());
    EXPECT_EQ(table.segmentSerial(), 168u);
    ClockDriver(machine).runToEnd(10'000'000);
    EXPECT_EQ(table.endSerial(), 336u);
    EXPECT_EQ(table.at(335).line, 8);
}

}  // namespace
}  // namespace tarvo::interp
