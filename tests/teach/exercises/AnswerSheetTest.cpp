#include <gtest/gtest.h>

#include <tuple>

#include "interp/Machine.h"
#include "support/Programs.h"
#include "support/RecordingPanel.h"
#include "support/TableFile.h"
#include "teach/exercises/AnswerSheet.h"
#include "teach/table/RowTexts.h"
#include "teach/table/StepTable.h"

namespace tarvo::teach {
namespace {

using interp::Machine;
using motion::Interpolation;

std::string programOf(const std::string& move) {
    return "%\n" + move + "\n%\n";
}

interp::Parameters paramsOf(const std::string& method) {
    interp::Parameters p = test::withDl(0.1);
    if (method == "comparison") p.method = {Interpolation::Comparison, false};
    if (method == "dda") p.method = {Interpolation::Integration, false};
    return p;
}

auto fieldsOf(const Graded& g) {
    return std::tuple(g.right, g.answer, g.expected, g.explanation);
}

motion::PulseFeed feedOf(const std::string& text) {
    const std::int8_t sign = text[0] == '-' ? -1 : 1;
    return text[1] == 'X' ? motion::PulseFeed{sign, 0} : motion::PulseFeed{0, sign};
}

// A machine with the table and the sheet watching, stepped as the window steps it.
struct Stepping {
    explicit Stepping(const std::string& method, const std::string& move)
        : program(programOf(move)), parameters(paramsOf(method)) {}

    void step(Machine::StepUnit unit) {
        const std::uint64_t from = table.endSerial();
        machine.step(unit, program, parameters);
        sheet.stepped(from);
    }

    std::string program;
    interp::Parameters parameters;
    test::RecordingPanel panel;
    Machine machine{panel};
    StepTable table{machine};
    AnswerSheet sheet{table};
};

TARVO_TABLE_SUITE(TableAnswers, "table-answers.tsv");

// A row is marked as the exercises mark the same iteration of the same figure.
TEST_P(TableAnswers, MarkTheRowAsTheExercisesMarkItsIteration) {
    Stepping s(row()["method"], row()["program"]);
    test::runToEnd(s.machine, s.program, s.parameters);
    const auto serial = s.table.firstSerial() + row().as<std::uint64_t>("row") - 1;
    const TextbookStep step = s.table.textbookAt(serial);
    const std::string& kind = row()["kind"];
    const std::string& answer = row()["answer"];
    Graded g;
    if (kind == "feed") {
        g = gradeRowFeed(step, feedOf(answer));
        const auto& iteration = std::get<motion::ComparisonStep>(*step.record.pulses);
        EXPECT_EQ(fieldsOf(g), fieldsOf(gradeFeed(exerciseOf(step), iteration, feedOf(answer))));
    } else if (kind == "deviation") {
        g = gradeRowDeviation(step, *typedDeviation(answer));
        const auto& iteration = std::get<motion::ComparisonStep>(*step.record.pulses);
        EXPECT_EQ(fieldsOf(g),
                  fieldsOf(gradeDeviation(exerciseOf(step), iteration, *typedDeviation(answer))));
    } else {
        const bool x = answer.find('X') != std::string::npos;
        const bool y = answer.find('Y') != std::string::npos;
        g = gradeRowOverflow(step, x, y);
        const auto& iteration = std::get<motion::IntegrationStep>(*step.record.pulses);
        EXPECT_EQ(fieldsOf(g), fieldsOf(gradeOverflow(iteration, x, y)));
    }
    EXPECT_EQ(g.right ? "yes" : "no", row()["right"]);
    test::expectTexts(row(), {{"expected", g.expected}, {"explanation", g.explanation}});
}

// The row's figure is the exercise's: a line from (0, 0) to its end in whole pulses.
TEST(TableAnswers, FindTheExerciseOfATextbookRow) {
    Stepping s("comparison", "G90G00X0.6Y0.4");
    test::runToEnd(s.machine, s.program, s.parameters);
    const Exercise e = exerciseOf(s.table.textbookAt(s.table.firstSerial()));
    EXPECT_EQ(e.text(), "逐点比较法 直线 L1：(0, 0) → (6, 4)");
}

// The machine's own rows ask what decides the step: an arc the feed, a straight move its
// overflows, marked against what the machine fed and explained by the table's beats.
TEST(TableAnswers, AskTheMachinesRowsWhatDecidesTheStep) {
    Stepping s("machine", "G90G00X0.2Y0.1\nG03X0Y0.3I-0.2J0");
    test::runToEnd(s.machine, s.program, s.parameters);
    const TextbookStep line = s.table.textbookAt(s.table.firstSerial());
    EXPECT_EQ(answerForm(line.record), AnswerForm::Overflow);
    const Graded overflow =
        gradeRowOverflow(line, line.record.feed[0] != 0, line.record.feed[1] != 0);
    EXPECT_TRUE(overflow.right);
    EXPECT_EQ(overflow.explanation, rowTexts(line).calculation);
    EXPECT_FALSE(gradeRowOverflow(line, line.record.feed[0] == 0, line.record.feed[1] != 0).right);
    std::uint64_t serial = s.table.firstSerial();
    while (s.table.at(serial).line != 3) ++serial;
    const TextbookStep arc = s.table.textbookAt(serial);
    EXPECT_EQ(answerForm(arc.record), AnswerForm::Feed);
    const motion::PulseFeed fed{arc.record.feed[0], arc.record.feed[1]};
    const Graded right = gradeRowFeed(arc, fed);
    EXPECT_TRUE(right.right);
    EXPECT_EQ(right.explanation, rowTexts(arc).judgement + "；" + rowTexts(arc).calculation);
    const Graded wrong =
        gradeRowFeed(arc, {static_cast<std::int8_t>(-fed.x), static_cast<std::int8_t>(-fed.y)});
    EXPECT_FALSE(wrong.right);
    EXPECT_EQ(wrong.expected, pulseFeedText(fed));
    EXPECT_THROW(gradeRowDeviation(arc, 0), std::logic_error);
}

// Single steps ask their rows, oldest first; a comparison row shows when both its answers are
// in; a step back, which replays the run into the table, forgets the answers of the rows it
// went back over and keeps the others; off shows every row.
TEST(AnswerSheet, AsksSingleStepsAndForgetsWhatIsGoneBackOver) {
    Stepping s("comparison", "G90G00X0.6Y0.4");
    const auto row = [&s](std::uint64_t n) { return s.table.firstSerial() + n - 1; };
    s.step(Machine::StepUnit::Step);
    EXPECT_FALSE(s.sheet.question());  // off: nothing asked
    s.sheet.setOn(true);
    s.step(Machine::StepUnit::Step);
    EXPECT_FALSE(s.sheet.hidden(row(1)));
    ASSERT_EQ(s.sheet.question(), row(2));
    EXPECT_TRUE(s.sheet.hidden(row(2)));
    EXPECT_FALSE(s.sheet.answerOverflow(true, false));
    EXPECT_TRUE(s.sheet.answerFeed({0, 1})->right);
    EXPECT_FALSE(s.sheet.answerFeed({1, 0}));  // given once
    EXPECT_TRUE(s.sheet.hidden(row(2)));       // the new F is still to come
    EXPECT_FALSE(s.sheet.answerDeviation(3)->right);
    EXPECT_FALSE(s.sheet.hidden(row(2)));
    EXPECT_EQ(answersText(*s.sheet.answersOf(row(2))),
              "进给 ✓ +Y；新偏差 ✗ 答 3，应为 2\nF = −4 < 0 → +Y；F = −4 + 6 = 2");
    EXPECT_EQ(s.sheet.given(), 2);
    EXPECT_EQ(s.sheet.right(), 1);

    s.step(Machine::StepUnit::Line);  // rows 3 to 10, asked in turn
    ASSERT_EQ(s.table.size(), 10u);
    EXPECT_EQ(s.sheet.question(), row(3));
    for (std::uint64_t n = 3; n <= 10; ++n) EXPECT_TRUE(s.sheet.hidden(row(n))) << n;
    s.sheet.answerFeed({1, 0});
    s.sheet.answerDeviation(-2);
    EXPECT_EQ(s.sheet.question(), row(4));
    EXPECT_EQ(s.sheet.right(), 3);

    while (s.table.size() > 3) s.machine.stepBack();
    s.sheet.follow();
    EXPECT_EQ(s.sheet.given(), 4);  // rows 2 and 3 keep theirs
    EXPECT_FALSE(s.sheet.hidden(row(3)));
    EXPECT_FALSE(s.sheet.question());
    s.step(Machine::StepUnit::Step);  // row 4 made again, asked afresh
    EXPECT_EQ(s.sheet.question(), row(4));
    EXPECT_FALSE(s.sheet.answersOf(row(4))->feed);

    // Back over row 3, and on again at once, the sheet not told of the step back: the step
    // itself forgets row 3's old answers.
    s.machine.stepBack();
    s.machine.stepBack();
    EXPECT_EQ(s.table.size(), 2u);
    s.step(Machine::StepUnit::Step);
    EXPECT_EQ(s.sheet.question(), row(3));
    EXPECT_FALSE(s.sheet.answersOf(row(3))->feed);
    EXPECT_EQ(s.sheet.given(), 2);

    s.sheet.setOn(false);
    EXPECT_FALSE(s.sheet.hidden(row(3)));
    EXPECT_FALSE(s.sheet.question());
    s.sheet.setOn(true);
    EXPECT_FALSE(s.sheet.hidden(row(3)));  // seen, not asked again
    s.sheet.clear();
    EXPECT_EQ(s.sheet.given(), 0);
}

// A run at its pace asks nothing, with the sheet on.
TEST(AnswerSheet, AsksNothingOfARun) {
    Stepping s("dda", "G90G00X0.5Y0.3");
    s.sheet.setOn(true);
    test::runToEnd(s.machine, s.program, s.parameters);
    s.sheet.follow();
    EXPECT_EQ(s.table.size(), 8u);
    EXPECT_FALSE(s.sheet.question());
}

// A new F as typed: either minus, a plus, spaces around; anything else is no number.
TEST(AnswerSheet, ReadsATypedNewDeviation) {
    EXPECT_EQ(typedDeviation("−12"), -12);
    EXPECT_EQ(typedDeviation(" -3 "), -3);
    EXPECT_EQ(typedDeviation("+4"), 4);
    EXPECT_EQ(typedDeviation("0"), 0);
    for (const char* bad : {"", " ", "-", "−", "1.5", "3a", "--3", "4611686018427387905"}) {
        EXPECT_FALSE(typedDeviation(bad)) << bad;
    }
    EXPECT_EQ(typedDeviation("-4611686018427387904"), -(std::int64_t{1} << 62));
}

}  // namespace
}  // namespace tarvo::teach
