#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <variant>

#include "support/EnglishText.h"
#include "support/SpokenLanguage.h"
#include "teach/exercises/ExerciseCode.h"
#include "teach/exercises/ExerciseCsv.h"
#include "teach/exercises/ExerciseReport.h"
#include "teach/exercises/ExerciseRound.h"
#include "teach/exercises/ExerciseTexts.h"
#include "teach/exercises/WorksheetPage.h"

namespace tarvo::teach {
namespace {

// K7M3Q's worksheet and answer key, and the score page of its first iteration answered twice,
// the feed right and the deviation wrong, in English: checked by eye, then kept byte for byte.
TEST(EnglishExercises, PagesAreTheOnesCheckedByEye) {
    SpokenLanguage english(words::Language::english);
    const ExerciseCode code("K7M3Q");
    test::expectRecorded(worksheetPage(code), "english/worksheet-K7M3Q.html");
    test::expectRecorded(answerKeyPage(code), "english/answers-K7M3Q.html");
    const Exercise arc = code.exercises()[0];
    const auto first = std::get<motion::ComparisonStep>(arc.stepper().next());
    ExerciseScore score(68);
    score.add(
        {1, arc.text(), 1, gradeFeed(arc, first, {0, -1}), std::string(words::say(feedItem))});
    score.add({1, arc.text(), 1, gradeDeviation(arc, first, 13), deviationItem});
    const ExerciseAttempt attempt{"K7M3Q", {"Wang Xiaoming", ""}, 2, "2026-12-07", "08:05:09"};
    const std::string page = exerciseReport(score, attempt);
    test::expectRecorded(page, "english/exercise-report.html");
    EXPECT_NE(page.find("<html lang=\"en\">"), std::string::npos);
    TARVO_EXPECT_ENGLISH(page);
}

// Every text a student meets in an attempt at a code, answered right, wrong or not at all, and
// the pages and the file made of it: English throughout, for codes of every kind of exercise.
TEST(EnglishExercises, SayNoChineseInAnyAttempt) {
    SpokenLanguage english(words::Language::english);
    TARVO_EXPECT_ENGLISH(exercisePrompt());
    TARVO_EXPECT_ENGLISH(exerciseNotSaved());
    TARVO_EXPECT_ENGLISH(classFileTooLarge());
    for (std::uint64_t entropy = 0; entropy < 24; ++entropy) {
        const ExerciseCode code = ExerciseCode::from(entropy);
        TARVO_EXPECT_ENGLISH(worksheetPage(code));
        TARVO_EXPECT_ENGLISH(answerKeyPage(code));
        ExerciseRound round(code, {"", {"", ""}, 1, "2026-12-07", "08:05:09"});
        TARVO_EXPECT_ENGLISH(attemptText(round.attempt()));
        for (int n = 0; !round.finished(); ++n) {
            if (round.exerciseDone()) {
                TARVO_EXPECT_ENGLISH(doneText(round));
                round.nextExercise();
            }
            TARVO_EXPECT_ENGLISH(taskText(round) + knownText(round.asked()));
            const std::int64_t number = round.askedNumber();
            std::vector<Graded> marked;
            if (const auto* c = std::get_if<motion::ComparisonStep>(&round.asked())) {
                const motion::PulseFeed feed = n % 3 == 0 ? motion::PulseFeed{} : c->feed;
                marked = round.answerComparison(feed, n % 2 ? std::nullopt : std::optional(c->f));
            } else {
                marked = {round.answerIntegration(n % 2 == 0, n % 3 == 0)};
            }
            TARVO_EXPECT_ENGLISH(verdictText(number, marked));
            if (n == 12) TARVO_EXPECT_ENGLISH(exerciseCsv(round));
        }
        TARVO_EXPECT_ENGLISH(round.score().scoreText());
        TARVO_EXPECT_ENGLISH(exerciseReport(round.score(), round.attempt()));
        TARVO_EXPECT_ENGLISH(exerciseCsv(round));
    }
}

// A code mistyped is refused in English.
TEST(EnglishExercises, RefuseAMistypedCodeInEnglish) {
    SpokenLanguage english(words::Language::english);
    const auto refusal = [](const std::string& typed) {
        try {
            ExerciseCode{typed};
        } catch (const std::invalid_argument& e) {
            return std::string(e.what());
        }
        return std::string("taken");
    };
    EXPECT_EQ(refusal("K7M3"), "A code has 5 characters");
    EXPECT_EQ(
        refusal("K7M3I"),
        "A code cannot have \"I\": only the digits 2–9 and the letters other than I, L and O");
    EXPECT_EQ(refusal("ｋ７ｍ３ｑ"), "taken");
}

}  // namespace
}  // namespace tarvo::teach
