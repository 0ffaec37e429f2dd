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
// minus, and the window's must hold no ASCII minus of a beat. (How a row
// quotes its texts: the runner's golden runs, byte for byte.)
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

// The last field of each line after the header, and how many lines carry each.
std::map<std::string, int> lastFields(const std::string& csv) {
    std::istringstream in(csv);
    std::map<std::string, int> count;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) ++count[line.substr(line.rfind(',') + 1)];
    return count;
}

// The window's table of a run with registers of 8 bits chosen: the line to (8, 6) makes 256
// iterations in them; the next, 300 pulses long, needs 9 bits and takes them, and its rows say so;
// the deviations count pulses. The machine's own registers count millimetres and have no width in
// bits: its table has no such column and says its straight moves count millimetres. (The runner's
// rows, byte for byte: the golden runs dda-bits-narrower and sample-dl1.)
TEST(RegisterWidthCsv, SaysTheWidthEachSegmentUsed) {
    interp::Parameters p;
    p.method = {motion::Interpolation::Integration, false, 8};
    const std::string window =
        textbookCsv(test::TableRun("%\nG01X8Y6\nG01X8Y306\n%\n", p, 1000).table);
    EXPECT_TRUE(window.substr(0, window.find('\n')).ends_with(",寄存器位数 N"));
    EXPECT_NE(window.find(",偏差计算（脉冲）,"), std::string::npos);
    EXPECT_EQ(lastFields(window), (std::map<std::string, int>{{"8", 256}, {"9", 512}}));
    const std::string machine = textbookCsv(test::TableRun("%\nG01X8Y6\n%\n", {}, 1000).table);
    EXPECT_EQ(machine.find("寄存器位数"), std::string::npos);
    EXPECT_NE(machine.find(",偏差计算（直线：毫米）,"), std::string::npos);
}

}  // namespace
}  // namespace tarvo::teach
