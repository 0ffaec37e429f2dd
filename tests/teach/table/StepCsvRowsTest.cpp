#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "teach/support/TableRun.h"
#include "teach/table/RowTexts.h"
#include "teach/table/StepCsv.h"
#include "teach/table/StepCsvRows.h"

namespace tarvo::teach {
namespace {

// Lines and arcs into every quadrant, on the axes and off them, with
// negative coordinates, deviations and counters to write.
const std::string program =
    "%\nG01X-3Y-4\nG01X-3Y2\nG01X5Y2\nG01X5Y0\nG02X-5Y0I-5J0\nG03X0Y-5I5J0\n"
    "G01X0Y0Z-1\nG01X2Y7\n%\n";

// The program's table under a method at a pulse equivalent, every row kept.
// A row reads its segment's figures from the table, so the run outlives it.
std::unique_ptr<test::TableRun> runOf(motion::Interpolation method, double dl) {
    interp::Parameters p = test::withDl(dl);
    p.method = {method, false, 0};
    return std::make_unique<test::TableRun>(program, p, 100000);
}

std::string asciiMinusOf(std::string text) {
    for (std::size_t at = text.find("−"); at != std::string::npos; at = text.find("−", at)) {
        text.replace(at, 3, "-");
    }
    return text;
}

class StepCsvRowsByMethod : public testing::TestWithParam<motion::Interpolation> {};

INSTANTIATE_TEST_SUITE_P(Methods, StepCsvRowsByMethod,
                         testing::Values(motion::Interpolation::Machine,
                                         motion::Interpolation::Comparison,
                                         motion::Interpolation::Integration));

// The CSV asks the beats for the ASCII minus instead of changing the
// window's texts: every text must read as the window's does, minus for
// minus, and the window's must hold no ASCII minus of a beat.
TEST_P(StepCsvRowsByMethod, WriteTheWindowsTextsWithTheAsciiMinus) {
    int minuses = 0;
    const auto run = runOf(GetParam(), 0.5);
    for (const TextbookStep& step : run->steps()) {
        const RowTexts window = rowTexts(step);
        RowTexts csv;
        rowTexts(step, csv, asciiMinus);
        for (const auto member : {&RowTexts::judgement, &RowTexts::feed, &RowTexts::calculation,
                                  &RowTexts::sigma, &RowTexts::distance}) {
            EXPECT_EQ(csv.*member, asciiMinusOf(window.*member)) << window.*member;
            EXPECT_EQ((window.*member).find('-'), std::string::npos) << window.*member;
            minuses += (window.*member).find("−") != std::string::npos;
        }
        for (const auto member : {&RowTexts::x, &RowTexts::y, &RowTexts::z, &RowTexts::deviation,
                                  &RowTexts::sigmaCell}) {
            EXPECT_EQ(csv.*member, window.*member);
        }
    }
    EXPECT_GT(minuses, 0);
}

// Rows are laid one after another into one buffer that grows as they come
// and is read up to its last row only; a row must not depend on what an
// earlier one left in the buffer beyond its own bytes (quoted texts among
// them), nor break where the buffer grows.
TEST_P(StepCsvRowsByMethod, AreEachRowAloneWhateverCameBefore) {
    const auto run = runOf(GetParam(), 0.05);
    const std::vector<TextbookStep> steps = run->steps();
    ASSERT_GT(steps.size(), 1000U);
    StepCsvRows rows;
    std::string alone;
    for (const TextbookStep& step : steps) {
        rows.add(step);
        alone += stepCsvRow(step);
    }
    // Compared whole, not printed: a million bytes say nothing.
    EXPECT_TRUE(rows.text() == alone);
    EXPECT_EQ(rows.size(), alone.size());
    // Cleared, the buffer keeps the old rows' bytes behind each new one.
    rows.clear();
    std::string again;
    for (auto step = steps.rbegin(); step != steps.rend(); ++step) {
        rows.add(*step);
        again += stepCsvRow(*step);
    }
    EXPECT_TRUE(rows.text() == again);
}

// A text with a comma is quoted, and nothing else is.
TEST(StepCsvRows, QuoteTheTextsThatHoldAComma) {
    const auto run = runOf(motion::Interpolation::Integration, 1);
    const std::vector<TextbookStep> steps = run->steps();
    ASSERT_FALSE(steps.empty());
    const std::string row = stepCsvRow(steps.front());
    // Line 2 to (-3, -4): 3 + 4 = 7 pulses in registers of 8; the first
    // iteration adds 3 and 4 and feeds nothing.
    EXPECT_EQ(row.substr(0, row.find(",,")), "2,1,integration,G01");
    EXPECT_NE(row.find(",无溢出,JRx = 0 + 3 = 3 < 8; JRy = 0 + 4 = 4 < 8,"), std::string::npos)
        << row;
    bool quoted = false;
    for (const TextbookStep& step : steps) {
        const std::string text = stepCsvRow(step);
        if (text.find("溢出,\"JRx = ") == std::string::npos) continue;
        EXPECT_NE(text.find(", 余 "), std::string::npos) << text;
        EXPECT_NE(text.find("\","), std::string::npos) << text;
        quoted = true;
    }
    EXPECT_TRUE(quoted);
}

// The last field of each line after the header, and how many lines carry each.
std::map<std::string, int> lastFields(const std::string& csv) {
    std::istringstream in(csv);
    std::map<std::string, int> count;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) ++count[line.substr(line.rfind(',') + 1)];
    return count;
}

// Registers of 8 bits chosen: the line to (8, 6) makes 256 iterations in them; the next, 300
// pulses long, needs 9 bits and takes them, and its rows say so; the deviations count pulses.
TEST(RegisterWidthCsv, SaysTheWidthEachSegmentUsed) {
    interp::Parameters p;
    p.method = {motion::Interpolation::Integration, false, 8};
    const test::TableRun run("%\nG01X8Y6\nG01X8Y306\n%\n", p, 1000);
    std::string steps = stepCsvHeader();
    for (const TextbookStep& step : run.steps()) steps += stepCsvRow(step);
    const std::map<std::string, int> widths = {{"8", 256}, {"9", 512}};
    EXPECT_TRUE(steps.starts_with("\xEF\xBB\xBFline,step,"));
    EXPECT_NE(steps.find(",zcur,distance,bits\n"), std::string::npos);
    EXPECT_EQ(lastFields(steps), widths);
    const std::string window = textbookCsv(run.table);
    EXPECT_TRUE(window.substr(0, window.find('\n')).ends_with(",寄存器位数 N"));
    EXPECT_NE(window.find(",偏差计算（脉冲）,"), std::string::npos);
    EXPECT_EQ(lastFields(window), widths);
}

// The machine's own registers count millimetres and have no width in bits: its table exports no
// such column and says its straight moves count millimetres; the runner's rows leave it empty.
TEST(RegisterWidthCsv, LeavesTheMachinesRowsWithoutAWidth) {
    const test::TableRun run("%\nG01X8Y6\n%\n", {}, 1000);
    EXPECT_EQ(textbookCsv(run.table).find("寄存器位数"), std::string::npos);
    EXPECT_NE(textbookCsv(run.table).find(",偏差计算（直线：毫米）,"), std::string::npos);
    ASSERT_FALSE(run.table.empty());
    EXPECT_TRUE(stepCsvRow(run.steps().front()).ends_with(",\n"));
}

}  // namespace
}  // namespace tarvo::teach
