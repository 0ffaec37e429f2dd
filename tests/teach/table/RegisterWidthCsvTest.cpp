#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "teach/support/TableRun.h"
#include "teach/table/StepCsv.h"

namespace tarvo::teach {
namespace {

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
