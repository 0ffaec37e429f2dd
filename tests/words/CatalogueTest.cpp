#include <gtest/gtest.h>

#include "support/SpokenLanguage.h"
#include "words/Catalogue.h"

namespace tarvo::words {
namespace {

TEST(Catalogue, ChineseIsTheSourceTextAndEnglishIsLookedUp) {
    SpokenLanguage chinese(Language::chinese);
    EXPECT_EQ(say("出错"), "出错");
    SpokenLanguage inEnglish(Language::english);
    EXPECT_EQ(say("出错"), "Error");
    EXPECT_EQ(say("目录里没有的话"), "目录里没有的话");
    EXPECT_EQ(words::english("目录里没有的话"), nullptr);
}

TEST(Catalogue, FillReplacesNumberedSlotsInOrderAndLeavesOtherBracesAlone) {
    SpokenLanguage chinese(Language::chinese);
    EXPECT_EQ(fill("第{1}行：{2}，{1}", {"3", "出错"}), "第3行：出错，3");
    EXPECT_EQ(fill("{0}{3}{x}{1", {"a", "b"}), "{0}{3}{x}{1");
    EXPECT_EQ(fill("{2}{1}", {"a", "b"}), "ba");
    EXPECT_EQ(fill("末尾{", {}), "末尾{");
}

TEST(Language, KeysLocalesAndEnvironment) {
    EXPECT_EQ(languageFromKey("zh"), Language::chinese);
    EXPECT_EQ(languageFromKey("en"), Language::english);
    EXPECT_EQ(languageFromKey("fr"), std::nullopt);
    EXPECT_EQ(languageKey(Language::english), "en");
    EXPECT_EQ(languageFromLocale("zh_CN.UTF-8"), Language::chinese);
    EXPECT_EQ(languageFromLocale("zh_TW"), Language::chinese);
    EXPECT_EQ(languageFromLocale("en_GB.UTF-8"), Language::english);
    EXPECT_EQ(languageFromLocale("C"), Language::english);
    EXPECT_EQ(languageFromLocale(""), Language::english);
}

}  // namespace
}  // namespace tarvo::words
