#include <gtest/gtest.h>

#include <string>

#include "support/EnglishText.h"
#include "support/SpokenLanguage.h"
#include "teach/exercises/RowGrading.h"
#include "teach/support/TableRun.h"
#include "teach/table/RegisterColumns.h"
#include "teach/table/RowTexts.h"
#include "teach/table/StepCsv.h"
#include "teach/table/StepCsvRows.h"
#include "teach/table/StepText.h"
#include "teach/table/TableCaption.h"
#include "teach/table/TableMarks.h"
#include "teach/table/TextbookColumns.h"

namespace tarvo::teach {
namespace {

using motion::Interpolation;

interp::Parameters under(motion::MethodChoice method, double dl) {
    interp::Parameters p = test::withDl(dl);
    p.method = method;
    return p;
}

// Lines into every quadrant and along every axis, arcs of both senses through every quadrant,
// ends that are no whole number of pulses, a line that moves Z, rapids.
const std::string everyQuadrant =
    "%\nG90G01X5Y3F200\nX1Y9\nX-6Y7\nX-3Y2\nX3Y2\nX3Y6\nX0Y6\nX0Y4\n"
    "G02X10Y4I5J0\nG03X0Y4I-5J0\nG02X0Y-4I0J-4\nG03X0Y4I0J4\nG03X0Y-4I0J-4\nG02X0Y4I0J4\n"
    "G01X2.3Y5.2\nG03X5.6Y1.9I3.3J0\nG01X7.6Y3.9Z-3\nG00X0Y0\n%\n";

const motion::MethodChoice methods[] = {{Interpolation::Machine, false},
                                        {Interpolation::Comparison, false},
                                        {Interpolation::Integration, false},
                                        {Interpolation::Integration, true}};

// Every text of every row a run makes, in either face of the table, its titles, its caption,
// its CSV files and how an answer to each row is explained: English throughout.
TEST(EnglishTable, SaysNoChineseForAnyMethodOrQuadrant) {
    SpokenLanguage english(words::Language::english);
    for (const motion::MethodChoice method : methods) {
        const test::TableRun run(everyQuadrant, under(method, 0.5));
        const StepTable& table = run.table;
        ASSERT_TRUE(run.panel.messages.empty()) << run.panel.messages[0].text;
        ASSERT_GT(table.size(), 100u);
        TARVO_EXPECT_ENGLISH(tableCaption(table));
        for (int c = 0; c < TextbookColumns; ++c) {
            const ColumnTitle& title = textbookTitle(c, method.interpolation);
            TARVO_EXPECT_ENGLISH(std::string(title.caption) + title.tip);
        }
        for (int c = 0; c < registers::Columns; ++c) {
            TARVO_EXPECT_ENGLISH(std::string(registerTitle(c).caption) + registerTitle(c).tip);
        }
        StepCsvRows rows;
        for (const TextbookStep& step : run.steps()) {
            const RowTexts t = rowTexts(step);
            TARVO_EXPECT_ENGLISH(t.judgement + t.feed + t.calculation + t.sigma + t.distance);
            for (int c = 0; c < registers::Columns; ++c) {
                TARVO_EXPECT_ENGLISH(registerCell(step.record, c));
            }
            rows.add(step);
            const Graded graded = answerForm(step.record) == AnswerForm::Overflow
                                      ? gradeRowOverflow(step, true, false)
                                      : gradeRowFeed(step, {1, 0});
            TARVO_EXPECT_ENGLISH(graded.answer + graded.expected + graded.explanation);
        }
        TARVO_EXPECT_ENGLISH(std::string(rows.text()));
        TARVO_EXPECT_ENGLISH(textbookCsv(table));
    }
    TARVO_EXPECT_ENGLISH(hiddenTip());
    TARVO_EXPECT_ENGLISH(deviationRefused());
}

// The sample program's table in English as each method makes it, checked by eye: the window's
// CSV export, its columns and every beat.
TEST(EnglishTable, IsTheTableCheckedByEyeForEachMethod) {
    SpokenLanguage english(words::Language::english);
    const std::string program =
        "%\nG90G00X10Y10\nG01X18Y16F200\nG03X22Y20I0J4\nG02X18Y24I-4J0\nG01X15.5Y24\n%\n";
    const std::pair<motion::MethodChoice, const char*> cases[] = {
        {{Interpolation::Machine, false}, "english/table-machine.csv"},
        {{Interpolation::Comparison, false}, "english/table-comparison.csv"},
        {{Interpolation::Integration, true}, "english/table-dda.csv"}};
    for (const auto& [method, file] : cases) {
        test::expectRecorded(textbookCsv(test::TableRun(program, under(method, 1)).table), file);
    }
}

// The runner's --steps columns keep their ASCII names in English.
TEST(EnglishTable, KeepsTheStepsColumnNames) {
    const std::string chinese = stepCsvHeader();
    SpokenLanguage english(words::Language::english);
    EXPECT_EQ(stepCsvHeader(), chinese);
}

}  // namespace
}  // namespace tarvo::teach
