#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/TerminalColumns.h"

// tarvo-cli --help in both languages: every line fits a terminal of 80 columns.
namespace tarvo::cli {
namespace {

std::string helpIn(const std::string& language) {
    const std::string command = std::string(TARVO_CLI) + " --lang " + language + " --help";
    FILE* out = popen(command.c_str(), "r");
    std::string text;
    if (!out) return text;
    for (int c; (c = std::fgetc(out)) != EOF;) text += static_cast<char>(c);
    pclose(out);
    return text;
}

TEST(CliHelp, FitsEightyColumnsInBothLanguages) {
    EXPECT_EQ(test::terminalColumns("机床（直线）ab"), 14u);
    for (const char* language : {"zh", "en"}) {
        const std::string help = helpIn(language);
        EXPECT_NE(help.find("--method M"), std::string::npos) << language;
        EXPECT_EQ(test::linesWiderThan(help, 80), std::vector<std::string>()) << language;
    }
}

}  // namespace
}  // namespace tarvo::cli
