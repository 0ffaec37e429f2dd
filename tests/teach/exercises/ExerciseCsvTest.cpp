#include <gtest/gtest.h>

#include <sstream>

#include "support/EnglishText.h"
#include "support/SpokenLanguage.h"
#include "support/TableFile.h"
#include "teach/exercises/ExerciseCsv.h"
#include "teach/exercises/ExerciseReport.h"
#include "teach/exercises/ExerciseSheet.h"
#include "teach/exercises/ExerciseTexts.h"
#include "teach/exercises/WorksheetPage.h"

namespace tarvo::teach {
namespace {

// One iteration answered as a script letter says: R right, S the feed right and the new
// deviation skipped, F the feed right and the deviation wrong, W every answer wrong.
void answer(ExerciseRound& round, char how) {
    const motion::PulseIteration& asked = round.asked();
    if (const auto* step = std::get_if<motion::ComparisonStep>(&asked)) {
        const motion::PulseFeed wrongFeed{static_cast<std::int8_t>(-step->feed.x),
                                          static_cast<std::int8_t>(-step->feed.y)};
        const std::optional<std::int64_t> deviation =
            how == 'S' ? std::nullopt : std::optional(step->fAfter + (how == 'R' ? 0 : 1));
        round.answerComparison(how == 'W' ? wrongFeed : step->feed, deviation);
        return;
    }
    const auto& step = std::get<motion::IntegrationStep>(asked);
    ASSERT_TRUE(how == 'R' || how == 'W') << how << " on an integration iteration";
    round.answerIntegration(step.overflowX != (how == 'W'), step.overflowY);
}

// Works through a script such as "3R S 60R": a count repeats the letter after it; the exercises
// move on as each is done; a script shorter than the attempt leaves the rest unanswered.
void play(ExerciseRound& round, const std::string& script) {
    std::istringstream in(script);
    for (std::string word; in >> word;) {
        const int times = word.size() > 1 ? std::stoi(word) : 1;
        for (int i = 0; i < times; ++i) {
            if (round.exerciseDone()) round.nextExercise();
            ASSERT_FALSE(round.exerciseDone()) << "the script goes past the attempt";
            answer(round, word.back());
        }
    }
}

TARVO_TABLE_SUITE(ExerciseTotals, "exercise-attempts.tsv");

// The attempt played and exported in a language: the file, the file read back, the score.
struct Exported {
    std::string csv;
    ExerciseSheet read;
    std::string score;
};

Exported exported(const test::TableRow& row, words::Language language) {
    SpokenLanguage speaking(language);
    ExerciseRound round{ExerciseCode(row["code"]),
                        {"", {"−3 Li", "−7"}, 3, "2026-12-07", "10:00:00"}};
    play(round, row["script"]);
    const std::string csv = exerciseCsv(round);
    return {csv, readExerciseSheet(csv), round.score().scoreText()};
}

// What a summary takes from a sheet, the words of the exercises as said.
std::vector<std::string> answersOf(const ExerciseSheet& sheet) {
    std::vector<std::string> answers;
    for (const SheetAnswer& a : sheet.answers) {
        answers.push_back(std::to_string(a.line) + ' ' + std::to_string(a.exercise) + ' ' +
                          std::to_string(a.iteration) + ' ' + a.item + ' ' + a.answer + ' ' +
                          a.expected + ' ' + (a.right ? "1" : "0"));
    }
    return answers;
}

// However a code's exercises are answered, skipped or left off, its CSV holds a line for every
// answer the code asks, and every line the same score against the same total (a file whose
// lines disagree is refused by the reading). A student's file exported in English reads in a
// Chinese summary as the same attempt exported in Chinese, and the other way round: the header,
// the items, the marks and the words 未答 and 无 are each read in either language and said in
// the reader's.
TEST_P(ExerciseTotals, KeepTheCodesTotalAndReadBackInEitherLanguage) {
    const Exported chinese = exported(row(), words::Language::chinese);
    const Exported english = exported(row(), words::Language::english);
    std::size_t skipped = 0;
    for (const SheetAnswer& a : chinese.read.answers) skipped += a.answer == "未答";
    EXPECT_EQ(std::to_string(chinese.read.rights) + " / " + std::to_string(chinese.read.total) +
                  ", " + std::to_string(skipped),
              row()["rights"] + " / " + row()["total"] + ", " + row()["skipped"]);
    EXPECT_EQ(chinese.read.answers.size(), chinese.read.total);
    EXPECT_EQ(chinese.score, "答对 " + row()["rights"] + " / " + row()["total"]);
    TARVO_EXPECT_ENGLISH(english.csv);
    // No field carries the true minus sign a spreadsheet would read as text.
    for (const std::string* csv : {&chinese.csv, &english.csv}) {
        EXPECT_EQ(csv->find("\xE2\x88\x92"), std::string::npos);
        EXPECT_NE(csv->find(",-3 Li,-7,"), std::string::npos);
    }
    EXPECT_TRUE(
        english.csv.starts_with("\xEF\xBB\xBF"
                                "Code,Name,Student number,Date,Time,"));
    EXPECT_EQ(english.read.language, words::Language::english);
    for (const words::Language reader : {words::Language::chinese, words::Language::english}) {
        SpokenLanguage speaking(reader);
        const ExerciseSheet& same =
            reader == words::Language::chinese ? chinese.read : english.read;
        for (const std::string* csv : {&chinese.csv, &english.csv}) {
            const ExerciseSheet sheet = readExerciseSheet(*csv);
            EXPECT_EQ(answersOf(sheet), answersOf(same));
            EXPECT_EQ(std::tuple(sheet.rights, sheet.total, sheet.attempt),
                      std::tuple(same.rights, same.total, 3));
        }
    }
}

// K7M3Q's second attempt by a student whose name holds quotes, exported early after four
// iterations of its first exercise (right, deviation skipped, deviation wrong, all wrong): the
// file checked by hand, ASCII minus in every field, the rest of the attempt written as 未答.
TEST(ExerciseCsv, IsTheFileCheckedByHand) {
    ExerciseRound round(ExerciseCode("K7M3Q"),
                        {"", {"王\"小\"明", "2026001"}, 2, "2026-12-07", "08:05:09"});
    play(round, "R S F W");
    EXPECT_EQ(exerciseCsv(round), test::dataFile("exercise-attempt.csv"));
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
            if (n == 12) {
                TARVO_EXPECT_ENGLISH(exerciseCsv(round));
            }
        }
        TARVO_EXPECT_ENGLISH(round.score().scoreText());
        TARVO_EXPECT_ENGLISH(exerciseReport(round.score(), round.attempt()));
        TARVO_EXPECT_ENGLISH(exerciseCsv(round));
    }
}

}  // namespace
}  // namespace tarvo::teach
