#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/SpokenLanguage.h"
#include "teach/exercises/ExerciseSession.h"

namespace tarvo::teach {
namespace {

using words::Language;

// The notice and the verdict are said when read: after a switch of language they speak the
// new one, the same refusal with its figure, the same marks of the same answers; back in
// Chinese they are as they were, byte for byte. The score's answers likewise. Code K7M3Q's first
// iteration feeds −Y to F = −13.
TEST(ExerciseSessionLanguage, SaysTheNoticeAndTheVerdictWhenRead) {
    const SpokenLanguage chinese(Language::chinese);
    ExerciseSession s;
    EXPECT_FALSE(s.start("k7m3i", {}, "", ""));
    {
        const SpokenLanguage english(Language::english);
        EXPECT_EQ(s.notice(),
                  "A code cannot have \"i\": only the digits 2–9 and the letters other than I, L "
                  "and O");
    }
    EXPECT_EQ(s.notice(), "练习码中不能有“i”：只用数字 2–9 和字母，不含 I、L、O");

    ASSERT_TRUE(s.start("K7M3Q", {"张三", "2026001"}, "2026-12-07", "08:05:09"));
    EXPECT_TRUE(s.answerFeed({0, 1}, " "));
    EXPECT_FALSE(s.answerFeed({1, 0}, "12x"));
    {
        const SpokenLanguage english(Language::english);
        EXPECT_EQ(s.notice(), "The new deviation F must be a whole number, e.g. −3");
        EXPECT_EQ(s.verdict(),
                  "Step 1: Feed ✗ answered +Y, should be −Y; New deviation ✗ no answer, should "
                  "be −13\nF = 0 ≥ 0 → −Y; F = 0 − 2×7 + 1 = −13");
        const std::vector<AnsweredStep> wrong = s.round()->score().wrong();
        ASSERT_EQ(wrong.size(), 2u);
        EXPECT_EQ(wrong[1].task, s.round()->exercise().text());
        EXPECT_EQ(wrong[1].item + " " + wrong[1].graded.answer + " " + wrong[1].graded.expected,
                  "F no answer −13");
        EXPECT_FALSE(s.start("K7M3Q", {}, "", ""));
        EXPECT_EQ(s.notice(),
                  "This attempt is not exported yet: export the CSV first, or press \"Start\" "
                  "again to start over (the steps answered are not kept)");
    }
    EXPECT_EQ(s.notice(),
              "本次作答还没有导出：先导出 CSV，或再按“开始”重新作答（已答的步不再保留）");
    EXPECT_EQ(s.verdict(),
              "第 1 步：进给 ✗ 答 +Y，应为 −Y；新偏差 ✗ 未答，应为 −13\n"
              "F = 0 ≥ 0 → −Y；F = 0 − 2×7 + 1 = −13");
    EXPECT_FALSE(s.verdictRight());
    EXPECT_EQ(s.round()->score().wrong()[1].graded.answer, "未答");
}

}  // namespace
}  // namespace tarvo::teach
