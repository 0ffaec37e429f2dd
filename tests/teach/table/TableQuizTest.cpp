#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "interp/Machine.h"
#include "support/Programs.h"
#include "support/RecordingPanel.h"
#include "teach/table/StepTable.h"
#include "teach/table/TableQuiz.h"

namespace tarvo::teach {
namespace {

using interp::Machine;
using motion::Interpolation;

// A machine with the table and the quiz watching, stepped as a shell steps it.
struct Lesson {
    Lesson(Interpolation method, const std::string& move) : program("%\n" + move + "\n%\n") {
        parameters = test::withDl(0.1);
        parameters.method = {method, false};
        quiz.setOn(true);
    }

    void step(Machine::StepUnit unit) {
        const std::uint64_t from = table.endSerial();
        machine.step(unit, program, parameters);
        quiz.stepped(from);
    }
    void stepBack() {
        machine.stepBack();
        quiz.steppedBack();
    }
    std::uint64_t row(std::uint64_t n) const { return table.firstSerial() + n - 1; }

    // Every answer given, with the hidden rows and the question, as a shell would show them.
    auto shown() const {
        std::vector<std::tuple<bool, std::string>> rows;
        for (std::uint64_t serial = table.firstSerial(); serial < table.endSerial(); ++serial) {
            const AnswerSheet::Answers* a = quiz.sheet().answersOf(serial);
            rows.emplace_back(quiz.sheet().hidden(serial), a ? answersText(*a) : "-");
        }
        const auto q = quiz.question();
        const TableQuiz::ScoreLine line = quiz.scoreLine();
        return std::tuple(rows, q ? q->serial - table.firstSerial() : ~std::uint64_t{0},
                          q ? std::tuple(q->form, q->feedAsked, q->deviationAsked)
                            : std::tuple(AnswerForm::Feed, false, false),
                          line.text, line.shown, line.notice);
    }

    // The same answers for every row, whatever its form: +X with F = 1, or JRx alone.
    void answerAlike() {
        while (const auto q = quiz.question()) {
            if (q->form == AnswerForm::Overflow) {
                quiz.answerOverflow(true, false);
            } else {
                quiz.answerFeed({1, 0}, "1");
            }
        }
    }

    std::string program;
    interp::Parameters parameters;
    test::RecordingPanel panel;
    Machine machine{panel};
    StepTable table{machine};
    TableQuiz quiz{table};
};

void expectLine(const TableQuiz& quiz, const std::string& text, bool shown, bool notice) {
    const TableQuiz::ScoreLine line = quiz.scoreLine();
    EXPECT_EQ(std::tuple(line.text, line.shown, line.notice), std::tuple(text, shown, notice));
}

// The line to (6, 4) by comparison: the first row feeds +X to F = −4, the second +Y to F = 2.
// An F is read as typed, spaces around it of any width; one that is no number is refused
// with a notice and marks nothing, not even the feed pressed with it; an F left empty
// answers nothing, so the feed pressed alone leaves the row asking its F.
TEST(TableQuiz, TakesTheAnswersAsTyped) {
    Lesson s(Interpolation::Comparison, "G90G00X0.6Y0.4");
    expectLine(s.quiz, "答对 0 / 0", true, false);
    s.step(Machine::StepUnit::Step);
    auto q = s.quiz.question();
    ASSERT_TRUE(q);
    EXPECT_EQ(std::tuple(q->serial, q->form, q->feedAsked, q->deviationAsked),
              std::tuple(s.row(1), AnswerForm::FeedAndDeviation, true, true));
    EXPECT_FALSE(s.quiz.answerDeviation(" \t"));
    EXPECT_FALSE(s.quiz.answerFeed({0, 1}, "x1"));
    expectLine(s.quiz, "新偏差 F 应为整数，如 −3", true, true);
    EXPECT_EQ(s.quiz.sheet().given(), 0);
    EXPECT_FALSE(s.quiz.answerDeviation("2.5"));
    EXPECT_TRUE(s.quiz.answerDeviation("\u3000\u22124\u3000"));
    expectLine(s.quiz, "答对 1 / 1", true, false);
    q = s.quiz.question();
    ASSERT_TRUE(q);
    EXPECT_EQ(std::tuple(q->serial, q->feedAsked, q->deviationAsked),
              std::tuple(s.row(1), true, false));
    EXPECT_TRUE(s.quiz.answerFeed({1, 0}, ""));
    EXPECT_FALSE(s.quiz.question());
    expectLine(s.quiz, "答对 2 / 2", true, false);

    s.step(Machine::StepUnit::Step);
    EXPECT_FALSE(s.quiz.answerOverflow(true, false));  // asked of integration rows alone
    EXPECT_TRUE(s.quiz.answerFeed({1, 0}, " "));       // the feed alone, wrong
    q = s.quiz.question();
    ASSERT_TRUE(q);
    EXPECT_EQ(std::tuple(q->serial, q->feedAsked, q->deviationAsked),
              std::tuple(s.row(2), false, true));
    EXPECT_TRUE(s.quiz.answerFeed({0, 1}, "-7"));  // the feed once given stays as it was
    expectLine(s.quiz, "答对 2 / 4", true, false);
    EXPECT_EQ(answersText(*s.quiz.sheet().answersOf(s.row(2))),
              "进给 ✗ 答 +X，应为 +Y；新偏差 ✗ 答 −7，应为 2\nF = −4 < 0 → +Y；F = −4 + 6 = 2");
}

// The notice of a refused F lasts until the next answer or moment: a single step, the
// switch, a fresh run. Off, the line shows while answers are kept; a fresh run forgets them.
TEST(TableQuiz, ShowsTheLineBesideTheSwitch) {
    Lesson s(Interpolation::Integration, "G90G00X0.5Y0.3");
    s.step(Machine::StepUnit::Step);
    EXPECT_TRUE(s.quiz.answerOverflow(false, false));
    s.step(Machine::StepUnit::Step);
    for (const auto moment : {0, 1, 2}) {
        EXPECT_FALSE(s.quiz.answerDeviation("1"));  // no F asked: nothing taken, no notice
        EXPECT_FALSE(s.quiz.answerFeed({1, 0}, "?"));
        expectLine(s.quiz, "新偏差 F 应为整数，如 −3", true, true);
        if (moment == 0) s.step(Machine::StepUnit::Tick);
        if (moment == 1) s.quiz.setOn(true);
        if (moment == 2) s.quiz.answerOverflow(true, false);
        expectLine(s.quiz, moment == 2 ? "答对 2 / 2" : "答对 1 / 1", true, false);
    }
    s.quiz.setOn(false);
    expectLine(s.quiz, "答对 2 / 2", true, false);
    EXPECT_FALSE(s.quiz.question());
    EXPECT_FALSE(s.quiz.answerFeed({1, 0}, "x"));
    s.quiz.freshRun();
    expectLine(s.quiz, "答对 0 / 0", false, false);
    EXPECT_EQ(s.quiz.sheet().answersOf(s.row(1)), nullptr);
}

// A step back leaves the quiz as it would stand had the run never gone that far: the rows
// gone back over forget their answers, the others keep theirs, and the step made again is
// asked afresh; for each method's forms of question.
TEST(TableQuiz, StepsBackToWhatNeverWentFurther) {
    for (const auto& [method, move] :
         {std::pair{Interpolation::Comparison, "G90G00X0.6Y0.4"},
          std::pair{Interpolation::Integration, "G90G00X0.5Y0.3"},
          std::pair{Interpolation::Machine, "G90G00X0.2Y0.1\nG03X0Y0.3I-0.2J0"}}) {
        SCOPED_TRACE(move);
        for (int kept = 1; kept <= 4; ++kept) {
            Lesson back(method, move), straight(method, move);
            for (int n = 0; n < kept + 2; ++n) {
                back.step(Machine::StepUnit::Step);
                if (n <= kept) back.answerAlike();  // the last row left hidden
            }
            for (int n = 0; n < 2; ++n) back.stepBack();
            for (int n = 0; n < kept; ++n) {
                straight.step(Machine::StepUnit::Step);
                straight.answerAlike();
            }
            ASSERT_EQ(back.table.size(), straight.table.size());
            EXPECT_EQ(back.shown(), straight.shown()) << kept;
            back.step(Machine::StepUnit::Step);
            straight.step(Machine::StepUnit::Step);
            EXPECT_EQ(back.shown(), straight.shown()) << kept;
            EXPECT_TRUE(back.quiz.question()) << kept;
        }
    }
}

// Tick by tick, a row is asked on the tick that makes it, and the ticks between ask nothing;
// answered as they come, the ticks leave the quiz where the steps would.
TEST(TableQuiz, AsksEachRowOnTheTickThatMakesIt) {
    Lesson ticks(Interpolation::Comparison, "G90G00X0.6Y0.4");
    Lesson steps(Interpolation::Comparison, "G90G00X0.6Y0.4");
    int quiet = 0;
    while (ticks.table.size() < 6) {
        const std::size_t before = ticks.table.size();
        ticks.step(Machine::StepUnit::Tick);
        const bool made = ticks.table.size() > before;
        EXPECT_EQ(ticks.quiz.question().has_value(), made);
        quiet += !made;
        ticks.answerAlike();
    }
    EXPECT_GT(quiet, 0);
    for (int n = 0; n < 6; ++n) {
        steps.step(Machine::StepUnit::Step);
        steps.answerAlike();
    }
    EXPECT_EQ(ticks.shown(), steps.shown());
    expectLine(ticks.quiz, "答对 4 / 12", true, false);
}

// A run at its pace asks nothing, the switch on.
TEST(TableQuiz, AsksNothingOfARun) {
    Lesson s(Interpolation::Integration, "G90G00X0.5Y0.3");
    test::runToEnd(s.machine, s.program, s.parameters);
    s.quiz.steppedBack();
    EXPECT_EQ(s.table.size(), 8u);
    EXPECT_FALSE(s.quiz.question());
    expectLine(s.quiz, "答对 0 / 0", true, false);
}

}  // namespace
}  // namespace tarvo::teach
