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

// Keys read back as the language they name, and locales read as the keys of their language.
TEST(Language, KeysLocalesAndEnvironment) {
    std::string read;
    for (const char* key : {"zh", "en", "fr"}) {
        const std::optional<Language> language = languageFromKey(key);
        read += std::string(language ? languageKey(*language) : "-") + ' ';
    }
    for (const char* locale : {"zh_CN.UTF-8", "zh_TW", "en_GB.UTF-8", "C", ""}) {
        read += std::string(languageKey(languageFromLocale(locale))) + ' ';
    }
    EXPECT_EQ(read, "zh en - zh zh en en en ");
}

}  // namespace
}  // namespace tarvo::words
