#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "interp/Messages.h"
#include "support/TableFile.h"
#include "teach/pulses/PulseHistory.h"
#include "teach/support/TableRun.h"
#include "teach/table/StepText.h"
#include "teach/table/TextbookColumns.h"

namespace tarvo::teach {
namespace {

// The sample program run to its end with the table watching.
class SampleSteps : public test::TableTest {
protected:
    const test::TableRun run{test::sampleProgram, {}};
};

TEST_P(SampleSteps, ReadAsTheTextbookTable) {
    const std::vector<TextbookStep> rows = run.steps(row().as<std::int64_t>("line"));
    EXPECT_EQ(rows.size(), row().numberOr("of", double(rows.size())));
    const motion::StepRecord& r = rows.at(row().as<std::size_t>("number") - 1).record;
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
    EXPECT_EQ(std::tuple(table.tickOf(0), table.tickOf(1), table.tickOf(167)),
              std::tuple(7u, 9u, 360u));
    for (std::uint64_t serial = 0; serial < table.endSerial(); ++serial) {
        const std::uint64_t tick = table.tickOf(serial);
        if (serial + 1 < table.endSerial() && table.tickOf(serial + 1) == tick) continue;
        const PulseSample* s = history.find(tick);
        const motion::ToolPoint& point = table.at(serial).point;
        ASSERT_TRUE(s && s->point.x == point.x && s->point.y == point.y && s->point.z == point.z)
            << serial;
    }
    // The segment began before the oldest row kept.
    EXPECT_EQ(std::tuple(bounded.size(), bounded.firstSerial(), bounded.newest().number,
                         bounded.segmentSerial()),
              std::tuple(10u, 158u, 32u, 158u));
    machine.run(test::sampleProgram, {});
    EXPECT_TRUE(bounded.empty());
    EXPECT_EQ(bounded.segmentSerial(), 168u);
    interp::ClockDriver(machine).runToEnd(10'000'000);
    // The ticks too count from the fresh run.
    EXPECT_EQ(std::tuple(bounded.endSerial(), bounded.at(335).line, bounded.tickOf(335)),
              std::tuple(336u, 8, 360u));
}

// Every record a machine told.
struct ToldRecords : motion::StepObserver {
    explicit ToldRecords(interp::Machine& m) : machine(m) { machine.addStepObserver(this); }
    ~ToldRecords() override { machine.removeStepObserver(this); }
    void interpolated(const motion::StepRecord& record, const motion::Segment& s) override {
        told.push_back(record);
        segments.push_back(s);
    }
    interp::Machine& machine;
    std::vector<motion::StepRecord> told;
    std::vector<motion::Segment> segments;
};

// The table gives each kept row back as an uninterrupted run told it, at every tick: under every
// method, with the oldest rows gone, and after going back to a snapshot now and then.
TEST(StepTableRuns, GiveBackEveryKeptRowAsTheMachineToldIt) {
    using motion::Interpolation;
    const std::string program = "%\nG01Z-1\nG02X10Y10I10J0\nG01X3Y7\nG03X0Y-10I0J-10\nG04\n";
    for (const motion::MethodChoice method :
         {motion::MethodChoice{}, motion::MethodChoice{Interpolation::Comparison, false},
          motion::MethodChoice{Interpolation::Integration, true}}) {
        SCOPED_TRACE(static_cast<int>(method.interpolation));
        interp::Parameters p = test::withDl(0.5);
        p.method = method;
        test::RecordingPanel panel;
        interp::Machine reference(panel), machine(panel);
        ToldRecords uninterrupted(reference);
        test::runToEnd(reference, program, p);
        const std::vector<motion::StepRecord>& told = uninterrupted.told;
        ASSERT_GT(told.size(), 100u);
        StepTable whole(machine), bounded(machine, 7);
        machine.setSnapshotInterval(40);
        machine.run(program, p);
        machine.pause();
        for (int tick = 1; !machine.idle(); ++tick) {
            machine.stepPaused(interp::Machine::StepUnit::Tick);
            if (tick % 50 == 0) machine.stepBack();
            for (const StepTable* table : {&whole, &bounded}) {
                const std::size_t gone = whole.size() - table->size();
                for (std::size_t k = 0; k < table->size(); ++k) {
                    ASSERT_TRUE(table->at(table->firstSerial() + k) == told.at(gone + k))
                        << "tick " << tick << ", row " << k;
                }
            }
        }
        EXPECT_EQ(whole.size(), told.size());
    }
}

// Gone back by as many rows as it keeps, or by more, to the middle of a segment, a table told
// the rows again from there keeps them as they were.
TEST(StepTableRuns, KeepRowsToldAgainAfterAllKeptWentBack) {
    test::RecordingPanel panel;
    interp::Machine machine(panel);
    ToldRecords uninterrupted(machine);
    test::runToEnd(machine, "%\nG02X10Y10I10J0\n", test::withDl(0.5));
    const std::vector<motion::StepRecord>& told = uninterrupted.told;
    for (const std::uint64_t back : {7, 9}) {
        StepTable table(machine, 7);
        const auto tell = [&](std::size_t from, std::size_t to) {
            for (std::size_t i = from; i < to; ++i) {
                table.interpolated(told[i], uninterrupted.segments[i]);
                table.ticked(interp::TimerId::Interpolation);
            }
        };
        tell(0, 20);
        table.rewound(20 - back);
        tell(20 - back, 23 - back);
        ASSERT_EQ(table.size(), 3u);
        for (std::size_t k = 0; k < 3; ++k) {
            ASSERT_TRUE(table.at(table.firstSerial() + k) == told.at(20 - back + k)) << k;
        }
    }
}

// An arc whose end is its start is not cut: the pulses are those of the program without it, the
// run goes on, the panel marks the line and the table has one row that says so, between the rows
// of the lines around it.
TEST(FullCircle, IsSkippedAndSaysSo) {
    for (const double dl : {1.0, 0.1}) {
        SCOPED_TRACE(dl);
        const test::TableRun run("%\nG00X5Y0\nG02X5Y0I-5J0\nG01X7\n%\n", test::withDl(dl));
        const test::TableRun without("%\nG00X5Y0\nG01X7\n%\n", test::withDl(dl));
        EXPECT_EQ(run.panel.bits, without.panel.bits);
        EXPECT_TRUE(run.panel.messages.empty());
        const std::vector<TextbookStep> steps = run.steps();
        ASSERT_EQ(steps.size(), without.steps().size() + 1);
        std::size_t skipped = 0;
        while (skipped < steps.size() && !steps[skipped].record.skipped) ++skipped;
        ASSERT_LT(skipped + 1, steps.size());
        const TextbookStep& step = steps[skipped];
        const RowTexts texts = rowTexts(step);
        std::vector<std::string> cells;
        for (const int column : {Judgement, Step, Feed, Sigma, Distance}) {
            cells.push_back(textbookCell(step.record, texts, column));
        }
        EXPECT_EQ(cells, (std::vector<std::string>{std::string(interp::messages::fullCircle), "—",
                                                   "", "—", ""}));
        EXPECT_EQ(std::tuple(steps[skipped - 1].record.line, step.record.line,
                             steps[skipped + 1].record.line, steps[skipped + 1].record.number),
                  std::tuple(2, 3, 4, 1u));
    }
}

// Only an arc line that says where it goes is a full circle: a half circle, a line of M words
// under the modal G02 (its segment empty too), the end mark and a straight move that goes nowhere
// are not warned of; a circle written with its centre alone is, on its line counted from 0.
TEST(FullCircle, OnlyAnArcLineEndingOnItsStart) {
    const std::pair<const char*, std::vector<std::int64_t>> programs[] = {
        {"%\nG00X5Y0\nG02X-5Y0I-5J0\nM03\nG01X-5Y0\nG00\n%\n", {}},
        {"%\nG00X5Y0\nG02I-5J0\nM05\ng03x5j0\n%\n", {2, 4}},
        {"%\nG00X5Y0\nG02X5Y0I-5J0\nG01X7\n%\n", {2}},
    };
    for (const auto& [program, lines] : programs) {
        SCOPED_TRACE(program);
        const test::TableRun run(program, test::withDl(1));
        std::vector<std::int64_t> warned, skipped;
        for (const auto& [line, text] : run.panel.warnings) {
            warned.push_back(line);
            EXPECT_EQ(text, interp::messages::fullCircle);
        }
        for (const TextbookStep& step : run.steps()) {
            if (step.record.skipped) skipped.push_back(step.record.line - 1);
        }
        EXPECT_EQ(warned, lines);
        EXPECT_EQ(skipped, lines);
        EXPECT_TRUE(run.panel.messages.empty());
    }
}

}  // namespace
}  // namespace tarvo::teach
