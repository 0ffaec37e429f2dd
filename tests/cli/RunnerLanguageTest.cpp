#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "support/TableFile.h"

// The language the runner speaks, from its environment and --lang, shown by
// the first line it writes for a refused magnification.
namespace tarvo::cli {
namespace {

TARVO_TABLE_SUITE(CliRunnerLanguage, "runner-languages.tsv");

// A variable of the row as `env` sets it; "-" leaves it unset.
std::string setting(const test::TableRow& row, const std::string& name) {
    return row[name] == "-" ? "" : name + "='" + row[name] + "' ";
}

TEST_P(CliRunnerLanguage, FollowsLangThenLcAllLcMessagesAndLang) {
    const std::string command = "env -i " + setting(row(), "LC_ALL") +
                                setting(row(), "LC_MESSAGES") + setting(row(), "LANG") +
                                TARVO_CLI + " " + row()["args"] + " 2>&1";
    FILE* out = popen(command.c_str(), "r");
    ASSERT_NE(out, nullptr);
    std::string said;
    for (int c; (c = std::fgetc(out)) != EOF && c != '\n';) said += static_cast<char>(c);
    while (std::fgetc(out) != EOF) {
    }
    EXPECT_EQ(WEXITSTATUS(pclose(out)), 1) << command;
    EXPECT_EQ(said, row()["said"]) << command;
}

}  // namespace
}  // namespace tarvo::cli
