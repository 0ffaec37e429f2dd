#include <gtest/gtest.h>

#include <tuple>

#include "support/EnglishText.h"
#include "support/SpokenLanguage.h"
#include "teach/exercises/ExerciseCode.h"
#include "teach/exercises/ExerciseReport.h"

namespace tarvo::teach {
namespace {

// The page for K7M3Q's first iteration answered twice, the feed right and the deviation wrong,
// and a made-up row whose texts carry every character HTML must escape: the student and the
// attempt, the score, the rows under their exercises, the wrong ones marked. The Chinese page
// checked by hand, the English one by eye, each kept byte for byte.
TEST(ExerciseReport, IsThePageCheckedInEachLanguage) {
    for (const auto& [language, name, page] :
         {std::tuple(words::Language::chinese, "王<小>明", "exercise-report.html"),
          std::tuple(words::Language::english, "Wang Xiaoming", "english/exercise-report.html")}) {
        SpokenLanguage speaking(language);
        const Exercise arc = ExerciseCode("K7M3Q").exercises()[0];
        const auto first = std::get<motion::ComparisonStep>(arc.stepper().next());
        ExerciseScore score(68);
        score.add(
            {1, arc.text(), 1, gradeFeed(arc, first, {0, -1}), std::string(words::say(feedItem))});
        score.add({1, arc.text(), 1, gradeDeviation(arc, first, 13), deviationItem});
        score.add({2, "A&B <\"C\"> 'D'", 4, {false, "<x>", "&y", "\"q\" 'r'"}, "<i>"});
        const std::string report =
            exerciseReport(score, {"K7M3Q", {name, ""}, 2, "2026-12-07", "08:05:09"});
        test::expectRecorded(report, page);
        if (language == words::Language::english) TARVO_EXPECT_ENGLISH(report);
    }
}

}  // namespace
}  // namespace tarvo::teach
