#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "teach/support/TableRun.h"
#include "teach/support/Walk.h"
#include "teach/table/TableQuiz.h"

namespace tarvo::teach {
namespace {

using interp::Machine;

// A machine with the table and the quiz watching, stepped as a shell steps it: a walk begun
// with "method|moves" at 0.1 mm a pulse, the switch off.
struct Lesson : test::TableRun {
    explicit Lesson(const std::string& with) {
        const std::vector<std::string> part = test::partsOf(with);
        program = test::programOf(part.at(1));
        parameters = test::paramsOf(0.1, part.at(0));
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

    std::map<std::string, std::string> did(const test::TableRow& row) {
        const std::string &action = row["do"], &with = row["with"];
        const std::vector<std::string> part = test::partsOf(with);
        const auto has = [&with](char c) { return with.find(c) != std::string::npos; };
        std::string gives;
        if (action == "step") step(Machine::StepUnit::Step);
        if (action == "line") step(Machine::StepUnit::Line);
        if (action == "tick") step(Machine::StepUnit::Tick);
        if (action == "on" || action == "off") quiz.setOn(action == "on");
        if (action == "fresh") quiz.freshRun();
        if (action == "feed")
            gives = test::yesNo(quiz.answerFeed(test::feedOf(part[0]), part.at(1)));
        if (action == "deviation") gives = test::yesNo(quiz.answerDeviation(with));
        if (action == "overflow") gives = test::yesNo(quiz.answerOverflow(has('X'), has('Y')));
        // Back to a number of rows, the quiz told after each step back or never.
        while ((action == "back" || action == "back-untold") && table.size() > std::stoul(with)) {
            machine.stepBack();
            if (action == "back") quiz.steppedBack();
        }
        if (action == "run") {
            test::runToEnd(machine, program, parameters);
            quiz.steppedBack();
        }
        std::map<std::string, std::string> texts = shown();
        texts["gives"] = gives;
        if (!row["of"].empty()) texts["answers"] = texts["row " + row["of"]];
        std::erase_if(texts, [](const auto& text) { return text.first.starts_with("row "); });
        return texts;
    }

    std::uint64_t serial(std::uint64_t n) const { return table.firstSerial() + n - 1; }

    // The row asked, from 1, and what it still asks: "2 feed F".
    std::string questionText() const {
        const auto q = quiz.question();
        if (!q) return "";
        return std::to_string(q->serial - table.firstSerial() + 1) + (q->feedAsked ? " feed" : "") +
               (q->deviationAsked ? " F" : "") +
               (q->form == AnswerForm::Overflow ? " overflow" : "");
    }

    // What a shell shows: the line beside the switch, the question, the hidden rows, the answers
    // given and how many were right, and the marks of each row ("none": never asked).
    std::map<std::string, std::string> shown() const {
        const TableQuiz::ScoreLine line = quiz.scoreLine();
        std::map<std::string, std::string> texts{
            {"line", line.text},
            {"seen", line.notice ? "notice" : (line.shown ? "shown" : "")},
            {"question", questionText()},
            {"rows", std::to_string(table.size())},
            {"given",
             std::to_string(quiz.sheet().given()) + ' ' + std::to_string(quiz.sheet().right())}};
        for (std::uint64_t n = 1; n <= table.size(); ++n) {
            const AnswerSheet::Answers* a = quiz.sheet().answersOf(serial(n));
            texts["row " + std::to_string(n)] = a ? answersText(*a) : "none";
            if (quiz.sheet().hidden(serial(n))) texts["hidden"] += ' ' + std::to_string(n);
        }
        texts["hidden"].erase(0, 1);
        return texts;
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

    TableQuiz quiz{table};
};

// Answers taken as typed, the line beside the switch and its notice, the rows asked in turn
// and forgotten when gone back over, and a run at its pace asking nothing.
TEST(TableQuiz, WalksAsTheStudentAnswers) {
    test::walkThrough<Lesson>("table-quiz-walk.tsv");
}

// A step back leaves the quiz as it would stand had the run never gone that far: the rows
// gone back over forget their answers, the others keep theirs, and the step made again is
// asked afresh; for each method's forms of question.
TEST(TableQuiz, StepsBackToWhatNeverWentFurther) {
    for (const char* lesson : {"comparison|G90G00X0.6Y0.4", "dda|G90G00X0.5Y0.3",
                               "machine|G90G00X0.2Y0.1\nG03X0Y0.3I-0.2J0"}) {
        SCOPED_TRACE(lesson);
        for (int kept = 1; kept <= 4; ++kept) {
            Lesson back(lesson), straight(lesson);
            back.quiz.setOn(true);
            straight.quiz.setOn(true);
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
    Lesson ticks("comparison|G90G00X0.6Y0.4"), steps("comparison|G90G00X0.6Y0.4");
    ticks.quiz.setOn(true);
    steps.quiz.setOn(true);
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
    EXPECT_EQ(ticks.quiz.scoreLine().text, "答对 4 / 12");
}

}  // namespace
}  // namespace tarvo::teach
