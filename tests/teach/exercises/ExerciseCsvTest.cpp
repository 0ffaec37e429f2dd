#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "support/EnglishText.h"
#include "support/SpokenLanguage.h"
#include "support/TableFile.h"
#include "teach/exercises/ExerciseCsv.h"
#include "teach/exercises/ExerciseSheet.h"

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

// The fields of the CSV's lines after its byte-order mark, quotes undone.
std::vector<std::vector<std::string>> parsed(const std::string& csv) {
    std::vector<std::vector<std::string>> lines(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = 3; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted && c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
            lines.back().back() += c;
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && c == ',') {
            lines.back().emplace_back();
        } else if (!quoted && c == '\n') {
            lines.emplace_back(1);
        } else {
            lines.back().back() += c;
        }
    }
    lines.pop_back();  // after the last line's end
    return lines;
}

std::string fileText(const std::string& name) {
    std::ifstream in(std::string(TARVO_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

const std::vector<std::string> header{"代码", "姓名", "学号", "日期", "时间", "次",
                                      "题号", "题目", "步",   "答项", "作答", "应为",
                                      "对错", "答对", "总数", "说明"};

TARVO_TABLE_SUITE(ExerciseTotals, "exercise-attempts.tsv");

// However a code's exercises are answered, skipped or left off, its CSV holds a line for every
// answer the code asks, and every line the same score against the same total; the class
// summary reads it as it is.
TEST_P(ExerciseTotals, KeepTheCodesTotal) {
    ExerciseRound round{ExerciseCode(row()["code"]),
                        {"", {"李四", "2026002"}, 3, "2026-12-07", "10:00:00"}};
    play(round, row()["script"]);
    const std::string csv = exerciseCsv(round);
    const ExerciseSheet sheet = readExerciseSheet(csv);
    EXPECT_EQ(std::to_string(sheet.rights) + " / " + std::to_string(sheet.total),
              row()["rights"] + " / " + row()["total"]);
    EXPECT_EQ(sheet.answers.size(), sheet.total);
    EXPECT_EQ(sheet.attempt, 3);
    const auto lines = parsed(csv);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], header);
    EXPECT_EQ(lines[0], exerciseSheetColumns());
    std::size_t rights = 0, skipped = 0;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        ASSERT_EQ(lines[i].size(), header.size()) << "line " << i;
        rights += lines[i][12] == "对";
        skipped += lines[i][10] == "未答";
        EXPECT_EQ(lines[i][13], row()["rights"]) << "line " << i;
        EXPECT_EQ(lines[i][14], row()["total"]) << "line " << i;
    }
    EXPECT_EQ(std::to_string(lines.size() - 1), row()["total"]);
    EXPECT_EQ(std::to_string(rights), row()["rights"]);
    EXPECT_EQ(std::to_string(skipped), row()["skipped"]);
    EXPECT_EQ(round.score().scoreText(), "答对 " + row()["rights"] + " / " + row()["total"]);
}

// The attempt played and exported in a language: the file, and the file read back.
struct Exported {
    std::string csv;
    ExerciseSheet read;
};

Exported exported(const test::TableRow& row, words::Language language) {
    SpokenLanguage speaking(language);
    ExerciseRound round{ExerciseCode(row["code"]),
                        {"", {"Li Si", "2026002"}, 3, "2026-12-07", "10:00:00"}};
    play(round, row["script"]);
    const std::string csv = exerciseCsv(round);
    return {csv, readExerciseSheet(csv)};
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

// A student's file exported in English reads in a Chinese summary as the same attempt exported
// in Chinese, and the other way round: the header, the items, the marks and the words 未答 and 无
// are each read in either language and said in the reader's.
TEST_P(ExerciseTotals, ReadBackInEitherLanguage) {
    const Exported chinese = exported(row(), words::Language::chinese);
    const Exported english = exported(row(), words::Language::english);
    TARVO_EXPECT_ENGLISH(english.csv);
    EXPECT_TRUE(
        english.csv.starts_with("\xEF\xBB\xBF"
                                "Code,Name,Student number,Date,Time,"));
    EXPECT_EQ(english.read.language, words::Language::english);
    EXPECT_EQ(answersOf(english.read).size(), answersOf(chinese.read).size());
    for (const words::Language reader : {words::Language::chinese, words::Language::english}) {
        SpokenLanguage speaking(reader);
        const ExerciseSheet& same =
            reader == words::Language::chinese ? chinese.read : english.read;
        for (const std::string* csv : {&chinese.csv, &english.csv}) {
            const ExerciseSheet sheet = readExerciseSheet(*csv);
            EXPECT_EQ(answersOf(sheet), answersOf(same));
            EXPECT_EQ(sheet.rights, same.rights);
            EXPECT_EQ(sheet.total, same.total);
            EXPECT_EQ(sheet.attempt, 3);
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
    EXPECT_EQ(exerciseCsv(round), fileText("exercise-attempt.csv"));
}

// No field of any code's CSV carries the true minus sign a spreadsheet would read as text.
TEST(ExerciseCsv, WritesEveryMinusInAscii) {
    for (std::uint64_t entropy = 0; entropy < 40; ++entropy) {
        ExerciseRound round(ExerciseCode::from(entropy),
                            {"", {"−3 班", "−7"}, 1, "2026-12-07", "08:05:09"});
        play(round, "2W");
        const std::string csv = exerciseCsv(round);
        EXPECT_EQ(csv.find("\xE2\x88\x92"), std::string::npos) << round.code();
        EXPECT_NE(csv.find(",-3 班,-7,"), std::string::npos) << round.code();
    }
}

// Attempts are counted for each student at each code.
TEST(ExerciseAttempt, CountsEachStudentsAttemptsAtACode) {
    ExerciseAttempts attempts;
    const Student zhang{"张三", "2026001"};
    EXPECT_EQ(attempts.begin("K7M3Q", zhang), 1);
    EXPECT_EQ(attempts.begin("K7M3Q", zhang), 2);
    EXPECT_EQ(attempts.begin("ZZZZZ", zhang), 1);
    EXPECT_EQ(attempts.begin("K7M3Q", {"张三", "2026002"}), 1);
    EXPECT_EQ(attempts.begin("K7M3Q", zhang), 3);
}

// The counts outlive the program in the settings, whatever a name holds; a line that does not
// read (edited by hand) is left out and the rest still count on.
TEST(ExerciseAttempt, CountsReadBackFromTheSettings) {
    ExerciseAttempts attempts;
    const Student odd{"A\tB\\n", "1\n2\\"};
    attempts.begin("K7M3Q", odd);
    attempts.begin("K7M3Q", odd);
    attempts.begin("ZZZZZ", {"", ""});
    const std::string saved = attempts.saved();
    EXPECT_EQ(saved, "K7M3Q\tA\\tB\\\\n\t1\\n2\\\\\t2\nZZZZZ\t\t\t1\n");
    ExerciseAttempts again(saved + "AB234\tx\t1\tmany\nAB234\tx\t1\t0\nAB234\tx\t1\n");
    EXPECT_EQ(again.saved(), saved);
    EXPECT_EQ(again.begin("K7M3Q", odd), 3);
    EXPECT_EQ(again.begin("ZZZZZ", {}), 2);
    EXPECT_EQ(again.begin("AB234", {"x", "1"}), 1);
}

}  // namespace
}  // namespace tarvo::teach
