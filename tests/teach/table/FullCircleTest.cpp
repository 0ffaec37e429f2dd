#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "interp/Messages.h"
#include "teach/support/TableRun.h"
#include "teach/table/TextbookColumns.h"

namespace tarvo::teach {
namespace {

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
