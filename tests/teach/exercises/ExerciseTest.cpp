#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>
#include <stdexcept>

#include "support/SpokenLanguage.h"
#include "support/TableFile.h"
#include "teach/exercises/ExerciseCode.h"
#include "teach/exercises/ExerciseGrading.h"
#include "teach/exercises/ExerciseScore.h"
#include "teach/support/Walk.h"

namespace tarvo::teach {
namespace {

TARVO_TABLE_SUITE(ExerciseCodes, "exercise-codes.tsv");

// The refusal of a code as typed, in the language spoken; "-" for none.
std::string refusalOf(const std::string& typed, words::Language language) {
    SpokenLanguage speaking(language);
    try {
        ExerciseCode{typed};
    } catch (const std::invalid_argument& refusal) {
        return refusal.what();
    }
    return "-";
}

TEST_P(ExerciseCodes, FixTheSameExercisesOrSayWhyNot) {
    std::string code = "-", exercises;
    if (refusalOf(row()["typed"], words::Language::chinese) == "-") {
        const ExerciseCode read(row()["typed"]);
        code = read.text();
        for (const Exercise& e : read.exercises()) {
            exercises += (exercises.empty() ? "" : " | ") + e.text();
        }
    }
    EXPECT_EQ(code, row()["code"]);
    EXPECT_EQ(exercises, row()["exercises"]);
    EXPECT_EQ(refusalOf(row()["typed"], words::Language::chinese), row()["message"]);
    test::expectTexts(row(), {{"english", refusalOf(row()["typed"], words::Language::english)}});
}

// Codes made from any number read back; what they fix keeps its promises: each method with each
// figure once, radii from 4 to 10 pulses (both ends reached), every figure stepped exactly to
// its end.
TEST(ExerciseCodes, KeepTheirPromisesOverManyCodes) {
    EXPECT_EQ(ExerciseCode::from(1).text(), "P4WM6");
    std::set<std::int64_t> radii;
    for (std::uint64_t entropy = 0; entropy < 300; ++entropy) {
        const ExerciseCode code = ExerciseCode::from(entropy);
        ASSERT_EQ(ExerciseCode(code.text()).text(), code.text());
        std::set<std::pair<motion::Method, bool>> kinds;
        for (const Exercise& e : code.exercises()) {
            kinds.insert({e.method, e.arc});
            if (e.arc) radii.insert(motion::PulseArc(e.start, e.end, e.clockwise).reach());
            EXPECT_NE(e.start, e.end);
            motion::PulseStepper stepper = e.stepper();
            while (!stepper.finished()) stepper.next();
            EXPECT_EQ(stepper.point(), e.end) << e.text();
        }
        EXPECT_EQ(kinds.size(), 4u) << code.text();
    }
    EXPECT_EQ(*radii.begin(), 4);
    EXPECT_EQ(*radii.rbegin(), 10);
}

// An exercise from a case of the tables, e.g. "comparison arc 4 0 0 4 G03".
Exercise exerciseOf(const std::string& kase) {
    std::istringstream in(kase);
    std::string method, figure, sense, load;
    Exercise e;
    in >> method >> figure;
    e.arc = figure == "arc";
    if (e.arc) in >> e.start.x >> e.start.y;
    in >> e.end.x >> e.end.y;
    if (e.arc) in >> sense;
    in >> load;
    e.method = method == "comparison" ? motion::Method::Comparison : motion::Method::Integration;
    e.clockwise = sense == "G02";
    e.halfLoad = load == "half";
    return e;
}

std::string feedText(motion::PulseFeed f) {
    const auto axis = [](int step, char name) {
        return step == 0 ? std::string() : (step > 0 ? "+" : "-") + std::string(1, name);
    };
    return axis(f.x, 'X') + axis(f.y, 'Y');
}

std::string numbers(std::initializer_list<std::int64_t> values) {
    std::string text;
    for (const std::int64_t v : values) text += (text.empty() ? "" : " ") + std::to_string(v);
    return text;
}

std::map<std::string, std::string> beats(const motion::ComparisonStep& s) {
    return {{"point", numbers({s.point.x, s.point.y})},
            {"values", numbers({s.f})},
            {"after", numbers({s.fAfter})},
            {"feed", feedText(s.feed)},
            {"sigma", numbers({s.sigma})}};
}

std::map<std::string, std::string> beats(const motion::IntegrationStep& s) {
    return {{"point", numbers({s.point.x, s.point.y})},
            {"values", numbers({s.jvx, s.jvy, s.jrx, s.jry})},
            {"overflow", std::string(s.overflowX ? "X" : "") + (s.overflowY ? "Y" : "")},
            {"after", numbers({s.jrxAfter, s.jryAfter})},
            {"feed", feedText(s.feed)},
            {"sigma", numbers({s.sigmaX, s.sigmaY})}};
}

// The stepper's iteration of the row's number n, counted from 1.
motion::PulseIteration iterationOf(motion::PulseStepper& stepper, const test::TableRow& row) {
    for (int i = 1; i < row.as<int>("n"); ++i) stepper.next();
    EXPECT_FALSE(stepper.finished());
    return stepper.next();
}

// The textbook's tables of the methods, worked through the exercises that set them.
TARVO_TABLE_SUITE(PulseSteps, "pulse-steps.tsv");

TEST_P(PulseSteps, ReadAsTheTextbookTable) {
    motion::PulseStepper stepper = exerciseOf(row()["case"]).stepper();
    const motion::PulseIteration step = iterationOf(stepper, row());
    std::visit([&](const auto& s) { test::expectTexts(row(), beats(s)); }, step);
    // The last row of a case leaves every end counter at 0, and the stepper done.
    if (row()["sigma"] == "0" || row()["sigma"] == "0 0") {
        EXPECT_TRUE(stepper.finished());
    }
}

TARVO_TABLE_SUITE(PulseRefusals, "pulse-refusals.tsv");

TEST_P(PulseRefusals, SayWhy) {
    std::string message = "-";
    try {
        exerciseOf(row()["case"]).stepper();
    } catch (const std::invalid_argument& refusal) {
        message = refusal.what();
    }
    EXPECT_EQ(message, row()["message"]);
}

Graded graded(const test::TableRow& row) {
    const Exercise exercise = exerciseOf(row["case"]);
    motion::PulseStepper stepper = exercise.stepper();
    const motion::PulseIteration step = iterationOf(stepper, row);
    const std::string& answer = row["answer"];
    if (row["kind"] == "overflow") {
        const auto& dda = std::get<motion::IntegrationStep>(step);
        const auto has = [&](char c) { return answer.find(c) != std::string::npos; };
        return gradeOverflow(dda, has('X'), has('Y'));
    }
    const auto& comparison = std::get<motion::ComparisonStep>(step);
    if (row["kind"] == "feed") return gradeFeed(exercise, comparison, test::feedOf(answer));
    return gradeDeviation(exercise, comparison, std::stoll(answer));
}

TARVO_TABLE_SUITE(ExerciseGrading, "exercise-grading.tsv");

TEST_P(ExerciseGrading, MarksTheAnswerWithTheFormulaThatDecidesIt) {
    const Graded g = graded(row());
    EXPECT_EQ(g.right ? "yes" : "no", row()["right"]);
    test::expectTexts(row(), {{"expected", g.expected}, {"explanation", g.explanation}});
}

// The score counts the answers marked right against the total the code asks, answered or not,
// and keeps the wrong ones for going over.
TEST(ExerciseScore, CountsRightAnswersAgainstTheTotal) {
    ExerciseScore score(68);
    score.add({1, "直线", 2, {true, "+Y", "+Y", "F = −3 < 0 → +Y"}, feedItem});
    score.add({1, "直线", 2, unanswered({true, "2", "2", "F = −3 + 5 = 2"}), deviationItem});
    score.add({2, "圆弧", 1, {true, "无", "无", "J_Rx = 0 + 0 = 0 < 8，不溢出"}, overflowItem});
    EXPECT_EQ(std::tuple(score.rights(), score.scoreText()), std::tuple(2u, "答对 2 / 68"));
    ASSERT_EQ(score.wrong().size(), 1u);
    EXPECT_EQ(std::tuple(score.wrong()[0].graded.answer, score.wrong()[0].graded.expected),
              std::tuple("未答", "2"));
}

}  // namespace
}  // namespace tarvo::teach
