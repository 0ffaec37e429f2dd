#include <gtest/gtest.h>

#include <cstddef>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "support/EnglishText.h"
#include "support/SpokenLanguage.h"
#include "support/TableFile.h"
#include "teach/exercises/ExerciseCode.h"
#include "teach/exercises/ExerciseGrading.h"
#include "teach/exercises/ExerciseReport.h"
#include "teach/exercises/PulseGridFigure.h"
#include "teach/exercises/WorksheetPage.h"
#include "teach/exercises/WorksheetRows.h"

namespace tarvo::teach {
namespace {

// Every text between `open` and the next `close`, in the order of the page.
std::vector<std::string> between(const std::string& page, const std::string& open,
                                 const std::string& close) {
    std::vector<std::string> found;
    for (auto at = page.find(open); at != std::string::npos; at = page.find(open, at)) {
        at += open.size();
        const auto end = page.find(close, at);
        found.push_back(page.substr(at, end - at));
    }
    return found;
}

std::size_t count(const std::string& page, const std::string& text) {
    return between(page, text, "").size();
}

// What the exercise window marks right at each iteration of each exercise of a code, as its
// grading writes it: a comparison's feed, then its new deviation; an integration's overflows.
std::vector<std::string> gradedAnswers(const ExerciseCode& code) {
    std::vector<std::string> answers;
    for (const Exercise& e : code.exercises()) {
        motion::PulseStepper stepper = e.stepper();
        while (!stepper.finished()) {
            const motion::PulseIteration iteration = stepper.next();
            if (const auto* c = std::get_if<motion::ComparisonStep>(&iteration)) {
                answers.push_back(gradeFeed(e, *c, c->feed).expected);
                answers.push_back(gradeDeviation(e, *c, c->fAfter).expected);
            } else {
                const auto& s = std::get<motion::IntegrationStep>(iteration);
                answers.push_back(gradeOverflow(s, s.overflowX, s.overflowY).expected);
            }
        }
    }
    return answers;
}

std::string stepsOf(const std::string& page) {
    std::string steps;
    for (const std::string& table : between(page, "<tbody>", "</tbody>")) {
        steps += (steps.empty() ? "" : " ") + std::to_string(count(table, "<td class=\"step\">"));
    }
    return steps;
}

// Codes with the iterations of their four exercises, counted by hand from the figures:
// |Xe| + |Ye| for a comparison line, the end counter for an arc, 2^N for a line by digital
// integration.
TARVO_TABLE_SUITE(WorksheetCodes, "worksheet-codes.tsv");

// The key gives every answer the exercises mark right; the worksheet leaves the same cells blank.
TEST_P(WorksheetCodes, KeyAndSheetAskWhatTheExercisesMark) {
    const ExerciseCode code(row()["code"]);
    const std::string key = answerKeyPage(code), sheet = worksheetPage(code);
    const std::vector<std::string> answers = between(key, "<span class=\"answer\">", "</span>");
    EXPECT_EQ(answers, gradedAnswers(code));
    EXPECT_EQ(count(key, "<td class=\"asked\">"), answers.size());
    EXPECT_EQ(count(sheet, "<td class=\"asked\"></td>"), answers.size());
    EXPECT_EQ(stepsOf(key), row()["steps"]);
    EXPECT_EQ(stepsOf(sheet), row()["steps"]);
    EXPECT_EQ(count(sheet, "<span class=\"answer\">"), 0u);
    EXPECT_EQ(count(sheet, "<td></td>") + count(sheet, "<td class=\"asked\"></td>"),
              4 * count(sheet, "<td class=\"step\">"));
    EXPECT_EQ(count(key, "<polyline class=\"staircase\""), 4u);
    EXPECT_EQ(count(sheet, "<polyline"), 0u);
}

// Beats of single iterations checked by hand against the textbook's working; an exercise's
// task and givens where the row names them.
TARVO_TABLE_SUITE(WorksheetBeats, "worksheet-beats.tsv");

TEST_P(WorksheetBeats, AreTheTextbooksWorking) {
    const auto sheets = worksheetExercises(ExerciseCode(row()["code"]));
    const WorksheetExercise& sheet = sheets.at(row().as<std::size_t>("exercise") - 1);
    const WorksheetRow& r = sheet.rows.at(row().as<std::size_t>("step") - 1);
    const auto shown = [](const BeatCell& beat) {
        return beat.worked + (beat.answer ? "[" + *beat.answer + "]" : "");
    };
    test::expectTexts(row(), {{"task", sheet.exercise.text()},
                              {"given", sheet.given},
                              {"judgement", shown(r.beats[0])},
                              {"feed", shown(r.beats[1])},
                              {"calculation", shown(r.beats[2])},
                              {"end", shown(r.beats[3])}});
}

// The figure's grid, ideal path and ends, in SVG units of 24 a pulse with a margin of 28.
TARVO_TABLE_SUITE(WorksheetFigures, "worksheet-figures.tsv");

TEST_P(WorksheetFigures, DrawTheFigureOnItsGrid) {
    const auto sheets = worksheetExercises(ExerciseCode(row()["code"]));
    const WorksheetExercise& sheet = sheets.at(row().as<std::size_t>("exercise") - 1);
    const std::string svg = pulseGridFigure(sheet.exercise, sheet.path, false);
    EXPECT_EQ(between(svg, "viewBox=\"", "\"").at(0), row()["viewBox"]);
    EXPECT_EQ(count(svg, "class=\"grid\"") + count(svg, "class=\"axis\""),
              row().as<std::size_t>("lines"));
    EXPECT_EQ(between(svg, "class=\"ideal\" ", "/>").at(0), row()["ideal"]);
    EXPECT_EQ(between(svg, "<circle class=\"start\" ", " r=").at(0), row()["start"]);
    EXPECT_EQ(between(svg, "<circle class=\"end\" ", " r=").at(0), row()["end"]);
}

// K7M3Q's worksheet and answer key in English, checked by eye and kept byte for byte (the Chinese
// ones are the runner's golden run cli-worksheet-and-answers). Every "<" of a deviation's sign
// test is escaped; none opens a tag that is not one.
TEST(WorksheetPage, IsThePageCheckedInEnglish) {
    SpokenLanguage english(words::Language::english);
    const ExerciseCode code("k7m3q");
    test::expectRecorded(worksheetPage(code), "english/worksheet-K7M3Q.html");
    const std::string key = answerKeyPage(code);
    test::expectRecorded(key, "english/answers-K7M3Q.html");
    EXPECT_EQ(key.find("< 0"), std::string::npos);
    EXPECT_EQ(key.find(" < "), std::string::npos);
}

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
        if (language == words::Language::english) {
            TARVO_EXPECT_ENGLISH(report);
        }
    }
}

}  // namespace
}  // namespace tarvo::teach
