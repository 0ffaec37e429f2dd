#include <gtest/gtest.h>

#include <string>

#include "files/LongLines.h"

namespace tarvo::files {
namespace {

// A line of n characters "X", as UTF-8.
std::string xs(std::size_t n) {
    return std::string(n, 'X');
}

// A line is long from one UTF-16 unit past the limit, on either side of it,
// counting a Chinese character once, a character beyond the first plane
// twice, a lone CR once and the CR of a CR LF not at all.
TEST(LongLines, ALineIsLongFromOneUnitPastTheLimit) {
    EXPECT_EQ(firstLongLine(xs(10'000)), std::nullopt);
    EXPECT_EQ(firstLongLine(xs(10'001)), 0u);
    EXPECT_EQ(firstLongLine("G01\r\n" + xs(10'000) + "\r\nG02\n"), std::nullopt);
    EXPECT_EQ(firstLongLine("G01\r\n" + xs(9'999) + "\r\r\n" + xs(5)), std::nullopt);
    EXPECT_EQ(firstLongLine("G01\r\n" + xs(10'000) + "\r\r\n" + xs(10'001)), 1u);
    std::string chinese;
    for (int i = 0; i < 10'000; ++i) chinese += "中";
    EXPECT_EQ(firstLongLine(chinese), std::nullopt);
    EXPECT_EQ(firstLongLine("\n\n" + chinese + "中"), 2u);
    EXPECT_EQ(firstLongLine(xs(9'998) + "😀"), std::nullopt);
    EXPECT_EQ(firstLongLine(xs(9'999) + "😀"), 0u);
}

// The editor shows the first 10,000 units and "…", never half a character;
// short lines and every ending stay as they were.
TEST(LongLines, TheShownProgramCutsOnlyTheLongLines) {
    EXPECT_EQ(shownProgram("G01\r\n" + xs(10'001) + "\r\nG02\n" + xs(10'002)),
              "G01\r\n" + xs(10'000) + "…\r\nG02\n" + xs(10'000) + "…");
    EXPECT_EQ(shownProgram(xs(9'999) + "😀Y"), xs(9'999) + "…");
    EXPECT_EQ(shownProgram("G01\nG02\n"), "G01\nG02\n");
}

TEST(LongLines, TheMessageNamesTheLineFromOneTheLimitAndTheFile) {
    EXPECT_EQ(readOnlyTitle, "只读打开");
    EXPECT_EQ(readOnlyText(2, "长行.nc"),
              "第3行超过10000个字符，编辑器只显示长行的开头，程序只读打开；"
              "运行和保存用的是完整的程序：长行.nc");
}

}  // namespace
}  // namespace tarvo::files
