#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>

#include "support/Programs.h"
#include "support/RecordingPanel.h"
#include "teach/table/StepCsv.h"
#include "teach/table/StepTable.h"

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

// Registers of 8 bits chosen: the line to (8, 6) makes 256 iterations in
// them; the next, 300 pulses long, needs 9 bits and takes them, and its
// rows say so.
TEST(RegisterWidthCsv, SaysTheWidthEachSegmentUsed) {
    test::RecordingPanel panel;
    interp::Machine machine(panel);
    StepTable table(machine, 1000);
    std::string steps = stepCsvHeader();
    interp::Parameters p;
    p.method = {motion::Interpolation::Integration, false, 8};
    test::runToEnd(machine, "%\nG01X8Y6\nG01X8Y306\n%\n", p);
    for (std::uint64_t serial = table.firstSerial(); serial < table.endSerial(); ++serial) {
        steps += stepCsvRow(table.textbookAt(serial));
    }
    const std::map<std::string, int> widths = {{"8", 256}, {"9", 512}};
    EXPECT_TRUE(steps.starts_with("\xEF\xBB\xBFline,step,"));
    EXPECT_NE(steps.find(",zcur,distance,bits\n"), std::string::npos);
    EXPECT_EQ(lastFields(steps), widths);
    const std::string window = textbookCsv(table);
    EXPECT_TRUE(window.substr(0, window.find('\n')).ends_with(",寄存器位数 N"));
    EXPECT_EQ(lastFields(window), widths);
}

// The machine's own registers count millimetres and have no width in bits:
// its table exports no such column, and the runner's rows leave it empty.
TEST(RegisterWidthCsv, LeavesTheMachinesRowsWithoutAWidth) {
    test::RecordingPanel panel;
    interp::Machine machine(panel);
    StepTable table(machine, 1000);
    test::runToEnd(machine, "%\nG01X8Y6\n%\n");
    EXPECT_EQ(textbookCsv(table).find("寄存器位数"), std::string::npos);
    ASSERT_FALSE(table.empty());
    const std::string row = stepCsvRow(table.textbookAt(table.firstSerial()));
    EXPECT_TRUE(row.ends_with(",\n")) << row;
}

}  // namespace
}  // namespace tarvo::teach
