#include <gtest/gtest.h>

#include "support/Programs.h"
#include "support/RecordingPanel.h"
#include "support/TableFile.h"
#include "teach/PulseHistory.h"
#include "teach/StepTable.h"
#include "teach/StepText.h"

namespace tarvo::teach {
namespace {

std::vector<motion::StepRecord> rowsOfLine(const StepTable& table, std::int64_t line) {
    std::vector<motion::StepRecord> rows;
    for (const motion::StepRecord& r : table.rows()) {
        if (r.line == line) rows.push_back(r);
    }
    return rows;
}

// The sample program run to its end with the table watching.
class SampleSteps : public test::TableTest {
protected:
    SampleSteps() { test::runToEnd(machine, test::sampleProgram); }

    test::RecordingPanel panel;
    interp::Machine machine{panel};
    StepTable table{machine};
};

TEST_P(SampleSteps, ReadAsTheTextbookTable) {
    const std::vector<motion::StepRecord> rows = rowsOfLine(table, row().as<std::int64_t>("line"));
    EXPECT_EQ(rows.size(), row().numberOr("of", double(rows.size())));
    const motion::StepRecord& r = rows.at(row().as<std::size_t>("number") - 1);
    EXPECT_EQ(r.number, row().number("number"));
    test::expectTexts(row(), {{"before", beforeText(r)},
                              {"decision", decisionText(r)},
                              {"feed", feedText(r)},
                              {"after", afterText(r)},
                              {"method", std::string(methodText(r.method))}});
    const std::vector<double> point = row().numbers("point");
    std::vector<double> got{r.point.x.toDouble(), r.point.y.toDouble(), r.point.z.toDouble(),
                            r.distance()};
    got.resize(point.size());
    EXPECT_EQ(got, point);
}
INSTANTIATE_TEST_SUITE_P(Data, SampleSteps, testing::ValuesIn(test::loadTable("step-table.tsv")),
                         test::rowName);

// The newest rows up to the bound; a fresh run empties it, serials go on, ticks start again. A
// row's tick is the one whose pulse sample shows the row's step point (of the last row, where a
// tick makes several).
TEST(StepTableRuns, KeepTheNewestRowsAndFindTheirTicksInThePulseHistory) {
    test::RecordingPanel panel;
    interp::Machine machine(panel);
    PulseHistory history(machine);
    StepTable table(machine), bounded(machine, 10);
    test::runToEnd(machine, test::sampleProgram);
    // Line 2's iterations come every other tick, from the interpolation timer's first.
    EXPECT_EQ(table.tickOf(0), 7u);
    EXPECT_EQ(table.tickOf(1), 9u);
    EXPECT_EQ(table.tickOf(167), 360u);
    for (std::uint64_t serial = 0; serial < table.endSerial(); ++serial) {
        const std::uint64_t tick = table.tickOf(serial);
        if (serial + 1 < table.endSerial() && table.tickOf(serial + 1) == tick) continue;
        const PulseSample* s = history.find(tick);
        const motion::ToolPoint& point = table.at(serial).point;
        ASSERT_TRUE(s && s->point.x == point.x && s->point.y == point.y && s->point.z == point.z)
            << serial;
    }
    ASSERT_EQ(bounded.rows().size(), 10u);
    EXPECT_EQ(bounded.firstSerial(), 158u);
    EXPECT_EQ(bounded.rows().back().number, 32u);
    EXPECT_EQ(bounded.segmentSerial(), bounded.firstSerial());  // it began before the oldest kept
    machine.run(test::sampleProgram, {});
    EXPECT_TRUE(bounded.rows().empty());
    EXPECT_EQ(bounded.segmentSerial(), 168u);
    interp::ClockDriver(machine).runToEnd(10'000'000);
    EXPECT_EQ(bounded.endSerial(), 336u);
    EXPECT_EQ(bounded.at(335).line, 8);
    EXPECT_EQ(bounded.tickOf(335), 360u);  // the ticks too count from the fresh run
}

}  // namespace
}  // namespace tarvo::teach
