#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "support/EnglishText.h"
#include "support/TableFile.h"
#include "words/Catalogue.h"
#include "words/SourceLiterals.h"

namespace tarvo::words {
namespace {

namespace fs = std::filesystem;

const fs::path sources = fs::path(TARVO_TEST_DATA) / ".." / ".." / "src";

bool hasCjk(std::string_view text) {
    return !test::firstChinese(text).empty();
}

// The literals that stay Chinese in every language, as "floor/file" and the
// literal, or "*" for every literal of a file that is a table, not texts.
bool staysChinese(const std::string& file, const std::string& literal) {
    static const std::vector<test::TableRow> rows = test::loadTable("words-stay-chinese.tsv");
    for (const test::TableRow& row : rows) {
        if (row["file"] == file && (row["literal"] == "*" || row["literal"] == literal))
            return true;
    }
    return false;
}

// Every literal of a floor's C++ sources with a CJK character is a key of
// the catalogue, whole: a text built of pieces is one pattern with slots.
class FloorCoverage : public testing::TestWithParam<const char*> {};

TEST_P(FloorCoverage, EveryChineseLiteralIsACatalogueKey) {
    const fs::path floor = sources / GetParam();
    ASSERT_TRUE(fs::is_directory(floor)) << floor;
    int lacking = 0;
    for (const auto& entry : fs::recursive_directory_iterator(floor)) {
        const fs::path& path = entry.path();
        if (path.extension() != ".cpp" && path.extension() != ".h") continue;
        const std::string file = path.lexically_relative(sources).generic_string();
        for (const test::SourceLiteral& literal :
             test::LiteralScanner(test::dataFile("../../src/" + file)).literals()) {
            if (!hasCjk(literal.text) || english(literal.text) != nullptr ||
                staysChinese(file, literal.text)) {
                continue;
            }
            ++lacking;
            ADD_FAILURE() << file << ':' << literal.line << ": \"" << literal.text
                          << "\" is not in the catalogue";
        }
    }
    EXPECT_EQ(lacking, 0);
}

INSTANTIATE_TEST_SUITE_P(Floors, FloorCoverage,
                         testing::Values("words", "motion", "views", "interp", "files", "teach",
                                         "cli", "web"),
                         [](const auto& floor) { return std::string(floor.param); });

// The catalogue as its sections spell it: pairs of a Chinese key and its
// English, section by section.
struct Entry {
    std::string section, chinese, english;
    int line = 0;
};

std::vector<Entry> sectionEntries() {
    std::vector<Entry> entries;
    for (const auto& file : fs::directory_iterator(sources / "words" / "english")) {
        const std::string section = file.path().filename().string();
        const auto literals =
            test::LiteralScanner(test::dataFile("../../src/words/english/" + section)).literals();
        EXPECT_EQ(literals.size() % 2, 0u) << section << " has a key without its English";
        for (std::size_t i = 0; i + 1 < literals.size(); i += 2) {
            entries.push_back({section, literals[i].text, literals[i + 1].text, literals[i].line});
        }
    }
    return entries;
}

// The numbered slots of a pattern, {1} to {9}, as a set.
std::set<char> slots(const std::string& pattern) {
    std::set<char> found;
    for (std::size_t at = 0; at + 2 < pattern.size(); ++at) {
        if (pattern[at] == '{' && pattern[at + 2] == '}' && pattern[at + 1] >= '1' &&
            pattern[at + 1] <= '9') {
            found.insert(pattern[at + 1]);
        }
    }
    return found;
}

TEST(CatalogueSections, EachKeyOnceItsEnglishWithoutCjkAndWithTheSameSlots) {
    const std::vector<Entry> entries = sectionEntries();
    ASSERT_FALSE(entries.empty());
    std::set<std::string> keys;
    for (const Entry& e : entries) {
        const std::string where = e.section + ":" + std::to_string(e.line) + ": " + e.chinese;
        EXPECT_TRUE(keys.insert(e.chinese).second) << where << " is a key twice";
        EXPECT_TRUE(std::any_of(e.chinese.begin(), e.chinese.end(),
                                [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
            << where << " is plain ASCII, no Chinese text";
        EXPECT_FALSE(hasCjk(e.english)) << where << " has a CJK character in " << e.english;
        EXPECT_FALSE(e.english.empty()) << where << " has no English";
        EXPECT_EQ(slots(e.chinese), slots(e.english)) << where << " and " << e.english;
    }
}

// The scanner itself, on sources whose literals were counted by hand.
TARVO_TABLE_SUITE(SourceLiteralCases, "source-literals.tsv");

TEST_P(SourceLiteralCases, FindsTheLiteralsAsTheCompilerJoinsThem) {
    std::string found;
    for (const test::SourceLiteral& literal : test::LiteralScanner(row()["source"]).literals()) {
        found += (found.empty() ? "" : "|") + literal.text + "@" + std::to_string(literal.line);
    }
    EXPECT_EQ(found, row()["literals"]);
    EXPECT_EQ(hasCjk(row()["source"]), row()["cjk"] == "yes");
}

}  // namespace
}  // namespace tarvo::words
