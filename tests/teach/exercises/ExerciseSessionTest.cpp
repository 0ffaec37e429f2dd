#include <gtest/gtest.h>

#include <string>

#include "teach/exercises/ExerciseCode.h"
#include "teach/exercises/ExerciseSession.h"
#include "teach/exercises/ExerciseTexts.h"

namespace tarvo::teach {
namespace {

constexpr std::string_view notSaved =
    "本次作答还没有导出：先导出 CSV，或再按“开始”重新作答（已答的步不再保留）";
constexpr std::string_view refusedF = "新偏差 F 应为整数，如 −3";

bool startK7M3Q(ExerciseSession& s) {
    return s.start("k7m3q", {"张三", "2026001"}, "2026-12-07", "08:05:09");
}

// Each iteration answered as the code's own steppers step it, to the end of the exercise.
void answerRight(ExerciseSession& s) {
    while (s.asked() != ExerciseSession::Asked::Nothing) {
        const motion::PulseIteration& asked = s.round()->asked();
        if (const auto* step = std::get_if<motion::ComparisonStep>(&asked)) {
            ASSERT_TRUE(s.answerFeed(step->feed, std::to_string(step->fAfter)));
        } else {
            const auto& i = std::get<motion::IntegrationStep>(asked);
            ASSERT_TRUE(s.answerOverflow(i.overflowX, i.overflowY));
        }
    }
}

// Code K7M3Q starts with SR1 from (0, 7): the first iteration feeds −Y to F = −13, the
// second +X to F = −12. An F is read as typed, spaces of any width around it; one that is no
// number is refused and marks nothing, left empty it is 未答. Each answer asked of another
// kind of iteration is ignored.
TEST(ExerciseSession, MarksTheAnswersAsTyped) {
    ExerciseSession s;
    EXPECT_EQ(s.asked(), ExerciseSession::Asked::Nothing);
    EXPECT_FALSE(s.answerFeed({0, -1}, "-13"));
    ASSERT_TRUE(startK7M3Q(s));
    EXPECT_EQ(s.asked(), ExerciseSession::Asked::FeedAndDeviation);
    EXPECT_FALSE(s.answerOverflow(true, false));
    EXPECT_TRUE(s.answerFeed({0, -1}, "\u3000\u221213 "));
    EXPECT_EQ(s.verdict(),
              "第 1 步：进给 ✓ −Y；新偏差 ✓ −13\nF = 0 ≥ 0 → −Y；F = 0 − 2×7 + 1 = −13");
    EXPECT_TRUE(s.verdictRight());

    EXPECT_FALSE(s.answerFeed({0, 1}, "12x"));
    EXPECT_EQ(s.notice(), refusedF);
    EXPECT_EQ(s.round()->askedNumber(), 2);
    s.checkDeviation("-12");
    EXPECT_EQ(s.notice(), "");
    s.checkDeviation("−");
    EXPECT_EQ(s.notice(), refusedF);
    s.checkDeviation("\t");
    EXPECT_EQ(s.notice(), "");
    EXPECT_TRUE(s.answerFeed({0, 1}, " "));
    EXPECT_EQ(s.verdict(),
              "第 2 步：进给 ✗ 答 +Y，应为 +X；新偏差 ✗ 未答，应为 −12\n"
              "F = −13 < 0 → +X；F = −13 + 2×0 + 1 = −12");
    EXPECT_FALSE(s.verdictRight());
    EXPECT_EQ(s.round()->score().scoreText(), "答对 2 / 68");
}

// 开始 reads the code as typed and names it in its canonical text for the code field; a bad
// one is refused with its reason and the attempt under way goes on. Answers not exported
// are not thrown away at one press: the first 开始 warns, the second starts over; once
// exported, 开始 starts over at once. Every attempt of a student at a code is counted, on
// from the counts kept. 姓名 and 学号 are kept without the spaces around them.
TEST(ExerciseSession, StartsCountsAndWarnsBeforeStartingOver) {
    ExerciseSession s("K7M3Q\t张三\t2026001\t2\n");
    EXPECT_FALSE(s.start("K7M3", {}, "", ""));
    EXPECT_EQ(s.notice(), "练习码应为 5 个字符");
    EXPECT_EQ(s.codeRead(), "");
    EXPECT_EQ(s.round(), nullptr);
    EXPECT_TRUE(s.start("　ｋ７ｍ３ｑ ", {" 张三\u3000", "\t2026001 "}, "2026-12-07", "08:05:09"));
    EXPECT_EQ(s.codeRead(), "K7M3Q");
    EXPECT_EQ(s.notice(), "");
    EXPECT_EQ(attemptText(s.round()->attempt()), "练习码 K7M3Q　姓名 张三　学号 2026001　第 3 次");
    EXPECT_EQ(s.savedAttempts(), "K7M3Q\t张三\t2026001\t3\n");

    ASSERT_TRUE(s.answerFeed({0, -1}, ""));
    EXPECT_FALSE(s.start("KLM3Q", {"张三", "2026001"}, "", ""));
    EXPECT_EQ(s.notice(), "练习码中不能有“L”：只用数字 2–9 和字母，不含 I、L、O");
    EXPECT_EQ(s.round()->askedNumber(), 2);
    EXPECT_FALSE(startK7M3Q(s));
    EXPECT_EQ(s.notice(), notSaved);
    EXPECT_EQ(s.codeRead(), "K7M3Q");
    EXPECT_EQ(s.round()->askedNumber(), 2);
    EXPECT_EQ(s.drawCode(1).size(), 5u);
    EXPECT_EQ(s.notice(), "");
    EXPECT_TRUE(startK7M3Q(s));
    EXPECT_EQ(s.round()->attempt().count, 4);
    EXPECT_EQ(s.round()->askedNumber(), 1);
    EXPECT_EQ(s.verdict(), "");

    ASSERT_TRUE(s.answerFeed({0, -1}, ""));
    s.exported();
    EXPECT_TRUE(startK7M3Q(s));
    EXPECT_EQ(s.round()->attempt().count, 5);
    EXPECT_TRUE(startK7M3Q(s));  // nothing answered yet: nothing to lose
    EXPECT_TRUE(s.start("Q2W3E", {"李四", ""}, "", ""));
    EXPECT_EQ(s.savedAttempts(), "K7M3Q\t张三\t2026001\t6\nQ2W3E\t李四\t\t1\n");
}

// 下一题 moves on once the exercise is done, its verdict gone; after the last comes the score
// page, its head and who answered when.
TEST(ExerciseSession, GoesThroughTheExercisesToTheScore) {
    ExerciseSession s;
    ASSERT_TRUE(startK7M3Q(s));
    const std::size_t count = ExerciseCode("K7M3Q").exercises().size();
    for (std::size_t n = 1; n <= count; ++n) {
        EXPECT_EQ(s.round()->number(), n);
        s.next();  // not yet done: stays
        EXPECT_EQ(s.round()->number(), n);
        answerRight(s);
        EXPECT_NE(s.verdict(), "");
        s.next();
        EXPECT_EQ(s.scoreShown(), n == count);
        EXPECT_EQ(s.verdict() == "", n < count);
    }
    EXPECT_EQ(scoreHeadText(*s.round()), "练习码 K7M3Q：答对 68 / 68");
    EXPECT_EQ(scoreStudentText(s.round()->attempt()),
              "姓名 张三　学号 2026001　第 1 次　2026-12-07 08:05:09");
    EXPECT_FALSE(startK7M3Q(s));  // a finished attempt not exported warns too
    EXPECT_TRUE(s.scoreShown());
}

}  // namespace
}  // namespace tarvo::teach
