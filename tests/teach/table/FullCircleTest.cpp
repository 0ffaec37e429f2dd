#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "interp/Messages.h"
#include "support/Programs.h"
#include "support/RecordingPanel.h"
#include "teach/table/StepTable.h"
#include "teach/table/TextbookColumns.h"

namespace tarvo::teach {
namespace {

// An arc whose end is its start is not cut: the pulses are those of the
// program without it, the run goes on, the panel marks the line and the
// table has one row that says so, between the rows of the lines around it.
TEST(FullCircle, IsSkippedAndSaysSo) {
    const std::string circle = "%\nG00X5Y0\nG02X5Y0I-5J0\nG01X7\n%\n";
    const std::string without = "%\nG00X5Y0\nG01X7\n%\n";
    for (const double dl : {1.0, 0.1}) {
        SCOPED_TRACE(dl);
        test::RecordingPanel panel, plain;
        interp::Machine machine(panel), reference(plain);
        StepTable table(machine), referenceTable(reference);
        test::runToEnd(machine, circle, test::withDl(dl));
        test::runToEnd(reference, without, test::withDl(dl));
        EXPECT_EQ(panel.bits, plain.bits);
        EXPECT_TRUE(panel.messages.empty());
        ASSERT_EQ(panel.warnings.size(), 1u);
        EXPECT_EQ(panel.warnings[0].first, 2);  // the third line, counted from 0
        EXPECT_EQ(panel.warnings[0].second, interp::messages::fullCircle);
        ASSERT_EQ(table.size(), referenceTable.size() + 1);
        std::uint64_t skipped = table.endSerial();
        for (std::uint64_t s = table.firstSerial(); s < table.endSerial(); ++s) {
            if (table.at(s).skipped) skipped = s;
        }
        ASSERT_LT(skipped, table.endSerial());
        const TextbookStep step = table.textbookAt(skipped);
        const RowTexts texts = rowTexts(step);
        EXPECT_EQ(step.record.line, 3);
        EXPECT_EQ(textbookCell(step.record, texts, Judgement), interp::messages::fullCircle);
        EXPECT_EQ(textbookCell(step.record, texts, Step), "—");
        EXPECT_EQ(textbookCell(step.record, texts, Feed), "");
        EXPECT_EQ(textbookCell(step.record, texts, Sigma), "—");
        EXPECT_EQ(textbookCell(step.record, texts, Distance), "");
        EXPECT_EQ(table.at(skipped - 1).line, 2);
        EXPECT_EQ(table.at(skipped + 1).line, 4);
        EXPECT_EQ(table.at(skipped + 1).number, 1u);
    }
}

// Only an arc line that says where it goes is a full circle: a half circle,
// a line of M words under the modal G02 (its segment empty too), the end
// mark and a straight move that goes nowhere are not warned of; a circle
// written with its centre alone is.
TEST(FullCircle, OnlyAnArcLineEndingOnItsStart) {
    const std::pair<const char*, std::vector<std::int64_t>> programs[] = {
        {"%\nG00X5Y0\nG02X-5Y0I-5J0\nM03\nG01X-5Y0\nG00\n%\n", {}},
        {"%\nG00X5Y0\nG02I-5J0\nM05\ng03x5j0\n%\n", {2, 4}},
    };
    for (const auto& [program, lines] : programs) {
        SCOPED_TRACE(program);
        test::RecordingPanel panel;
        interp::Machine machine(panel);
        StepTable table(machine);
        test::runToEnd(machine, program, test::withDl(1));
        std::vector<std::int64_t> warned, skipped;
        for (const auto& [line, text] : panel.warnings) warned.push_back(line);
        for (std::uint64_t s = table.firstSerial(); s < table.endSerial(); ++s) {
            if (table.at(s).skipped) skipped.push_back(table.at(s).line - 1);
        }
        EXPECT_EQ(warned, lines);
        EXPECT_EQ(skipped, lines);
        EXPECT_TRUE(panel.messages.empty());
    }
}

}  // namespace
}  // namespace tarvo::teach
