#include <gtest/gtest.h>

#include <stdexcept>

#include "support/EnglishText.h"
#include "support/SpokenLanguage.h"
#include "support/TableFile.h"
#include "teach/exercises/ClassSummary.h"
#include "teach/exercises/ClassSummaryCsv.h"
#include "teach/exercises/ClassSummaryPage.h"

namespace tarvo::teach {
namespace {

std::string bytesOf(const std::string& name) {
    return test::dataFile("class-summary/" + name);
}

ClassFile classFile(const std::string& name) {
    return {name, bytesOf(name), {}};
}

// A class of code K7M3Q, each file cut short to the first two iterations of the code's first two
// exercises: two students of the same number, one with two attempts, one without a number, and
// two files left out, one of another code and one a line short. Each file as exported in
// Chinese, in English (class-summary/english/), or every other one in English.
std::vector<ClassFile> classFiles(const std::string& englishEvery) {
    std::vector<ClassFile> files;
    for (const std::string name :
         {"01-wang.csv", "02-li.csv", "03-zhao.csv", "04-chen.csv", "05-sun.csv", "06-zhou.csv"}) {
        const bool english =
            englishEvery == "all" || (englishEvery == "odd" && files.size() % 2 == 0);
        files.push_back({name, bytesOf(english ? "english/" + name : name), {}});
    }
    return files;
}

// A teacher's summary sums up the latest attempt of every file of its code, whatever the
// language each file was exported in: in Chinese the exports checked by hand, byte for byte;
// in English those checked by eye, the tasks of a Chinese file told again from its code.
TEST(ClassSummary, SumsUpTheClassWhateverTheFilesLanguage) {
    for (const std::string files : {"none", "all", "odd"}) {
        SCOPED_TRACE(files);
        SpokenLanguage chinese(words::Language::chinese);
        const ClassSummary summary = summarise(classFiles(files));
        EXPECT_EQ(summary.code + summary.scoreText(), "K7M3Q4 份答卷，共答对 17 / 24（70.8%）");
        EXPECT_EQ(classStudentsCsv(summary), bytesOf("students.csv"));
        EXPECT_EQ(classStepsCsv(summary), bytesOf("steps.csv"));
        EXPECT_EQ(classSummaryPage(summary, "2026-12-07"), bytesOf("page.html"));
        ASSERT_EQ(summary.steps.size(), 6u);
        EXPECT_EQ(wrongAnswersText(summary.steps[0]), "+X ×1, −X ×1");

        SpokenLanguage english(words::Language::english);
        const ClassSummary said = summarise(classFiles(files));
        test::expectRecorded(classStudentsCsv(said), "class-summary/english/students.csv");
        test::expectRecorded(classStepsCsv(said), "class-summary/english/steps.csv");
        test::expectRecorded(classSummaryPage(said, "2026-12-07"),
                             "class-summary/english/page.html");
        EXPECT_EQ(said.scoreText(), "4 files, 17 / 24 right in all (70.8%)");
        for (const ClassStep& step : said.steps) {
            TARVO_EXPECT_ENGLISH(step.task + step.item + step.expected + wrongAnswersText(step));
        }
        for (const LeftOutFile& file : said.leftOut) TARVO_EXPECT_ENGLISH(file.reason);
        for (const ClassStudent& student : said.students) {
            TARVO_EXPECT_ENGLISH(studentRemark(student));
        }
    }
}

TEST(ClassSummary, EscapesEveryTextOfItsPage) {
    const std::string page = classSummaryPage(summarise({{"<b>&'.csv", "", "\"x\""}}), "<i>");
    EXPECT_NE(page.find("<li>&lt;b&gt;&amp;&#39;.csv：&quot;x&quot;</li>"), std::string::npos);
    EXPECT_NE(page.find("<p>&lt;i&gt;</p>"), std::string::npos);
}

// The code most files carry wins; on a tie the first readable file's, whatever comes before it.
// A file the shell could not read keeps the shell's reason; an empty name is no shared number.
TEST(ClassSummary, TakesTheMostFilesCodeAndKeepsTheShellsReason) {
    const ClassFile broken{"x.csv", "", {}}, other = classFile("05-sun.csv");
    EXPECT_EQ(summarise({broken, other, classFile("01-wang.csv")}).code, "Q2W3E");
    const ClassSummary most =
        summarise({other, classFile("01-wang.csv"), classFile("03-zhao.csv")});
    EXPECT_EQ(most.code, "K7M3Q");
    ASSERT_EQ(most.leftOut.size(), 1u);
    EXPECT_EQ(most.leftOut[0].reason, "练习码 Q2W3E，不是本班的 K7M3Q");
    EXPECT_EQ(summarise({broken}).code, "");
    const ClassSummary s = summarise(
        {{"pipe", "", "不是普通文件"}, classFile("04-chen.csv"), classFile("04-chen.csv")});
    ASSERT_EQ(s.leftOut.size(), 1u);
    EXPECT_EQ(s.leftOut[0].file + ' ' + s.leftOut[0].reason, "pipe 不是普通文件");
    ASSERT_EQ(s.students.size(), 2u);
    EXPECT_FALSE(s.students[0].sharedNumber);
}

// The latest attempt is the one of the highest number, wherever its lines stand in the file.
TEST(ExerciseSheet, TakesTheHighestAttemptWhereverItStands) {
    std::string text = bytesOf("02-li.csv");
    const std::size_t second = text.find("\nK7M3Q,李强,2023002,2026-12-07,09:47:12,2,") + 1;
    const std::size_t header = text.find('\n') + 1;
    text = text.substr(0, header) + text.substr(second) + text.substr(header, second - header);
    const ExerciseSheet sheet = readExerciseSheet(text);
    EXPECT_EQ(std::tuple(sheet.attempt, sheet.attempts, sheet.time, sheet.rights),
              std::tuple(2, 2u, "09:47:12", 4u));
    ASSERT_EQ(sheet.answers.size(), 6u);
    EXPECT_EQ(std::tuple(sheet.answers[1].answer, sheet.answers[1].line), std::tuple("未答", 3u));
}

TARVO_TABLE_SUITE(PercentText, "percent-text.tsv");

TEST_P(PercentText, IsTheExactShareRoundedHalfUp) {
    EXPECT_EQ(percentText(row().as<std::size_t>("rights"), row().as<std::size_t>("total")),
              row()["text"]);
}

// A good file edited as a row says, and the reason it is then refused with, or what it reads as.
std::string edited(const std::string& text, const test::TableRow& row) {
    const std::string &where = row["line"], &find = row["find"], &with = row["with"];
    if (where == "0") return with;
    std::string out;
    std::size_t number = 1;
    for (std::size_t at = 0; at < text.size(); ++number) {
        const std::size_t end = std::min(text.find('\n', at), text.size() - 1) + 1;
        std::string line = text.substr(at, end - at);
        at = end;
        if (where == "all" || where == std::to_string(number)) {
            const std::size_t ending = line.ends_with("\r\n") ? 2 : (line.ends_with('\n') ? 1 : 0);
            const std::size_t hit = find == "*" ? 0 : line.find(find);
            const std::size_t length = find == "*" ? line.size() - ending : find.size();
            if (hit == std::string::npos && where != "all") ADD_FAILURE() << "no " << find;
            if (hit != std::string::npos) line.replace(hit, length, with);
        }
        out += line;
    }
    return out;
}

std::string said(const test::TableRow& row, words::Language language) {
    SpokenLanguage speaking(language);
    const bool english = language == words::Language::english;
    try {
        const ExerciseSheet s = readExerciseSheet(
            edited(bytesOf(english ? "english/01-wang.csv" : "01-wang.csv"), row));
        const auto n = [](std::size_t v) { return std::to_string(v); };
        return english ? "reads " + n(s.rights) + " / " + n(s.total) + ", attempt " + n(s.attempt) +
                             " of " + n(s.attempts)
                       : "读作 " + n(s.rights) + " / " + n(s.total) + "，第 " + n(s.attempt) +
                             " 次，共 " + n(s.attempts) + " 次";
    } catch (const std::invalid_argument& e) {
        return e.what();
    }
}

TARVO_TABLE_SUITE(SheetRefusals, "exercise-sheet-refusals.tsv");
TARVO_TABLE_SUITE(EnglishSheetRefusals, "exercise-sheet-refusals-english.tsv");

TEST_P(SheetRefusals, SaysWhyOrReads) {
    EXPECT_EQ(said(row(), words::Language::chinese), row()["reason"]);
}

TEST_P(EnglishSheetRefusals, SaysWhyOrReads) {
    EXPECT_EQ(said(row(), words::Language::english), row()["reason"]);
}

}  // namespace
}  // namespace tarvo::teach
