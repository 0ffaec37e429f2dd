#include <gtest/gtest.h>

#include <string>

#include "support/Programs.h"
#include "support/RecordingPanel.h"

namespace tarvo::interp {
namespace {

using namespace std::string_literals;

struct Case {
    const char* name;
    std::string program;
    std::string message;  // the error box's text, empty for a run that ends cleanly
    double xcur = 0, ycur = 0;  // where the tool stands at the end, internal units
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class OddPrograms : public ::testing::TestWithParam<Case> {};

// Unusual programs beyond the error table of the program tests end with
// their exact message, or cleanly where the format allows it; none crashes
// or hangs.
TEST_P(OddPrograms, EndWithTheirMessage) {
    const Case& c = GetParam();
    test::RecordingPanel panel;
    Machine machine(panel);
    test::runToEnd(machine, c.program, test::withDl(1), 5'000'000);
    ASSERT_TRUE(machine.idle()) << "still running";
    if (c.message.empty()) {
        EXPECT_TRUE(panel.messages.empty()) << panel.messages.front().text;
        EXPECT_EQ(machine.interpolator().xcur, c.xcur);
        EXPECT_EQ(machine.interpolator().ycur, c.ycur);
    } else {
        ASSERT_EQ(panel.messages.size(), 1u);
        EXPECT_EQ(panel.messages[0].text, c.message);
        EXPECT_EQ(panel.messages[0].title, "出错");
    }
}

std::string longProgram(std::size_t bytes) {
    std::string text = "%\r\n";
    for (int i = 0; text.size() < bytes; ++i) {
        text += "N" + std::to_string(i) + " F200 S1200 T1 (#0001) ";
        text += i % 500 == 0 ? "G01X" + std::to_string(i % 1000 == 0 ? 1 : 0) + "\r\n" : "\r\n";
    }
    return text + "G01X0\r\n%\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Table, OddPrograms,
    ::testing::Values(
        Case{"ByteOrderMarkFirst", "\xEF\xBB\xBF%\nG01X5\n", "第1行有错没有开始符,结束符 “%”"},
        Case{"ArcZChange", "%\nG00X10Y0Z0\nG02X0Y10Z-5I-10J0\n%\n", "第3行有错终点无法到达"},
        Case{"SignsAndPoints", "%\nG01X--5Y1.2.3\nX.5\n%\n", "", 0, 10},
        Case{"TenDigits", "%\nG01X0000000010Y0\n%\n", "", 10, 0},
        Case{"FullCircleSkipped", "%\nG00X10Y0\nG02X10Y0I-10J0\n%\n", "", 100, 0},
        Case{"ZeroRadiusFullCircle", "%\nG00X3Y3\nG02X3Y3I0J0\n%\n", "", 30, 30},
        Case{"Lowercase", "%\ng01x10y5\nm03\n%\n", "", 100, 50},
        Case{"Tabs", "%\n\tG01\tX10\t\n%\n", "", 100, 0},
        Case{"NulBytes", "%\nG01X1\0Y2\n%\n"s, "", 10, 20},
        Case{"LongLine", "%\nG01" + std::string(100000, ' ') + "X2\n%\n", "", 20, 0},
        Case{"OneMegabyte", longProgram(1 << 20), "", 0, 0}));

}  // namespace
}  // namespace tarvo::interp
