#include <gtest/gtest.h>

#include "support/TableFile.h"
#include "teach/exercises/ExerciseCode.h"
#include "teach/exercises/ExerciseReport.h"

namespace tarvo::teach {
namespace {

// The page for K7M3Q's first iteration answered twice, the feed right and the deviation wrong,
// and a made-up row whose texts carry every character HTML must escape, as the hand-checked page
// in tests/data has it: the student and the attempt, the score, the rows under their exercises,
// the wrong ones marked.
TEST(ExerciseReport, IsThePageCheckedByHand) {
    const Exercise arc = ExerciseCode("K7M3Q").exercises()[0];
    const auto first = std::get<motion::ComparisonStep>(arc.stepper().next());
    ExerciseScore score(68);
    score.add({1, arc.text(), 1, gradeFeed(arc, first, {0, -1}), feedItem});
    score.add({1, arc.text(), 1, gradeDeviation(arc, first, 13), deviationItem});
    score.add({2, "A&B <\"C\"> 'D'", 4, {false, "<x>", "&y", "\"q\" 'r'"}, "<i>"});
    const ExerciseAttempt attempt{"K7M3Q", {"王<小>明", ""}, 2, "2026-12-07", "08:05:09"};
    EXPECT_EQ(exerciseReport(score, attempt), test::dataFile("exercise-report.html"));
}

}  // namespace
}  // namespace tarvo::teach
