#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

#include "support/TableFile.h"
#include "teach/exercises/AnswerSheet.h"
#include "teach/exercises/TypedText.h"
#include "teach/support/TableRun.h"
#include "teach/support/Walk.h"

namespace tarvo::teach {
namespace {

auto fieldsOf(const Graded& g) {
    return std::tuple(g.right, g.answer, g.expected, g.explanation);
}

// The row's answer marked, and as the exercises mark the same iteration of the same figure; a
// machine's row has no exercise of its own.
Graded graded(const TextbookStep& step, const std::string& kind, const std::string& answer) {
    const bool x = answer.find('X') != std::string::npos, y = answer.find('Y') != std::string::npos;
    const Graded g = kind == "feed"        ? gradeRowFeed(step, test::feedOf(answer))
                     : kind == "deviation" ? gradeRowDeviation(step, *typedDeviation(answer))
                                           : gradeRowOverflow(step, x, y);
    if (!step.record.pulses) return g;
    const motion::PulseIteration& iteration = *step.record.pulses;
    const auto comparison = [&] { return std::get<motion::ComparisonStep>(iteration); };
    EXPECT_EQ(
        fieldsOf(g),
        fieldsOf(kind == "feed" ? gradeFeed(exerciseOf(step), comparison(), test::feedOf(answer))
                 : kind == "deviation"
                     ? gradeDeviation(exerciseOf(step), comparison(), *typedDeviation(answer))
                     : gradeOverflow(std::get<motion::IntegrationStep>(iteration), x, y)));
    return g;
}

TARVO_TABLE_SUITE(TableAnswers, "table-answers.tsv");

TEST_P(TableAnswers, MarkTheRowAsTheExercisesMarkItsIteration) {
    const test::TableRun run(test::programOf(row()["program"]),
                             test::paramsOf(0.1, row()["method"]));
    const TextbookStep step =
        run.table.textbookAt(run.table.firstSerial() + row().as<std::uint64_t>("row") - 1);
    test::expectTexts(row(), {{"form", std::to_string(static_cast<int>(answerForm(step.record)))}});
    try {
        const Graded g = graded(step, row()["kind"], row()["answer"]);
        test::expectTexts(row(),
                          {{"right", test::yesNo(g.right)},
                           {"expected", g.expected},
                           {"explanation", g.explanation},
                           {"exercise", row()["exercise"].empty() ? "" : exerciseOf(step).text()}});
    } catch (const std::logic_error&) {
        EXPECT_EQ(row()["right"], "refused");
    }
}

TARVO_TABLE_SUITE(TypedDeviation, "typed-deviation.tsv");

// A new F as typed: either minus, a plus, spaces around; anything else is no number.
TEST_P(TypedDeviation, ReadsAsAWholeNumberOrNone) {
    const std::optional<std::int64_t> read = typedDeviation(row()["typed"]);
    EXPECT_EQ(read ? std::to_string(*read) : "none", row()["read"]);
}

TARVO_TABLE_SUITE(TypedText, "typed-text.tsv");

// Spaces around a field go, of any width an input method types; those inside stay, and so do
// the invisible characters Unicode does not count as space.
TEST_P(TypedText, LosesTheSpacesAroundIt) {
    test::expectTexts(row(), {{"kept", std::string(trimmedText(row()["typed"]))}});
}

}  // namespace
}  // namespace tarvo::teach
