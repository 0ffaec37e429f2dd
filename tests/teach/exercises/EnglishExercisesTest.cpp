#include <gtest/gtest.h>

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

}  // namespace
}  // namespace tarvo::teach
