#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "interp/Interpreter.h"
#include "support/Programs.h"

namespace tarvo::interp {
namespace {

using Outcome = Interpreter::Outcome;

// The interpreter alone, the tool at the segment's start as the dispatcher leaves it.
struct Reader {
    Interpreter interp;
    motion::Segment s;
    int words = 0, lineEnds = 0;

    explicit Reader(std::string text, double xs = 0, double ys = 0) {
        s.xs = s.xe = test::decimalOf(xs);
        s.ys = s.ye = test::decimalOf(ys);
        interp.start(std::move(text));
    }

    // Ticks until the end of the text or an error, counting what each read.
    Outcome toEnd() {
        for (int i = 0; i < 1000; ++i) {
            const Outcome o = interp.tick(s);
            if (o == Outcome::EndOfText || o == Outcome::Error) return o;
            ++(o == Outcome::Word ? words : lineEnds);
        }
        ADD_FAILURE() << "no end of text";
        return Outcome::Error;
    }
};

// One word or line end a tick; G and M in any case or digit form; coordinates keep 9 characters.
TEST(InterpWords, EachTickReadsOneWord) {
    const struct {
        std::string line;
        int words;
        double xe = 0, ye = 0, ze = 60, ic = 0, jc = 0;
        std::string commands = "||";
    } cases[] = {{"", 0},
                 {"%", 0},
                 {"  N10 F200\r", 0},
                 {"\xe5\x90\x8e X1", 1, 1},
                 {"G00M03M08", 3, 0, 0, 60, 0, 0, "G00|M03|M08"},
                 {"g0m3m8", 3, 0, 0, 60, 0, 0, "G00|M03|M08"},
                 {"G1m5M9", 3, 0, 0, 60, 0, 0, "G01|M05|M09"},
                 {"g2", 1, 0, 0, 60, 0, 0, "G02||"},
                 {"G3", 1, 0, 0, 60, 0, 0, "G03||"},
                 {"G02M03M08G54g90m30", 6, 0, 0, 60, 0, 0, "G02|M03|M08"},
                 {"X123456789", 1, 123456789},
                 {"X1234567891", 1, 123456789},
                 {"X12345678901Y2", 2, 123456789, 2},
                 {"X-0.1234567890", 1, -0.123456},
                 {"x1.2.3y5-3z--5", 3, 1.2, 5, 0},
                 {"X.5Y+7Z+60.25", 3, 0.5, 7, 60.25},
                 {"X5.Y-.Z-", 3, 5, 0, 0},
                 {"Z0.0000001", 1, 0, 0, 1e-7},
                 {"I+5", 1, 0, 0, 60, -5},
                 {"i-2.5J-5", 2, 0, 0, 60, 2.5, 5},
                 {"X1X2", 2, 2},
                 {"G01.5X3", 2, 3, 0, 60, 0, 0, "G01||"},
                 {"N10 G01 X5 F200 S1000 T1\tY6", 3, 5, 6, 60, 0, 0, "G01||"},
                 {" g1 x1 y2 z3 ", 4, 1, 2, 3, 0, 0, "G01||"},
                 {"G03X1Y1I0J1", 5, 1, 1, 60, 0, -1, "G03||"},
                 {"G0X1\nY2\nZ3", 4, 1, 2, 3, 0, 0, "G00||"}};
    for (const auto& c : cases) {
        Reader r("%\n" + c.line + "\n");
        EXPECT_EQ(r.toEnd(), Outcome::EndOfText) << c.line << ": " << r.interp.error();
        EXPECT_EQ(r.words, c.words) << c.line;
        EXPECT_EQ(r.lineEnds, 2 + std::count(c.line.begin(), c.line.end(), '\n')) << c.line;
        EXPECT_EQ(std::vector({r.s.xe.toDouble(), r.s.ye.toDouble(), r.s.ze.toDouble(),
                               r.s.ic.toDouble(), r.s.jc.toDouble()}),
                  std::vector({c.xe, c.ye, c.ze, c.ic, c.jc}))
            << c.line;
        const Interpreter& i = r.interp;
        EXPECT_EQ(std::string(i.gcode) + "|" + std::string(i.mcode) + "|" + std::string(i.lcode),
                  c.commands)
            << c.line;
    }
}

// After J the end must lie within 0.1 mm of the circle; X, Y and I after J are not seen.
TEST(InterpWords, ArcEndMustLieWithinATenthOfTheCircle) {
    const struct {
        double xs, ys;  // tool position, also the end point of the previous line
        std::string line;
        bool accepted;
    } cases[] = {{30, 10, "G03X40.09Y20I0J10", true}, {30, 10, "G03X40.11Y20I0J10", false},
                 {30, 10, "G03X39.91Y20I0J10", true}, {30, 10, "G03X39.89Y20I0J10", false},
                 {40, 20, "G02X29.91Y30I0J10", true}, {40, 20, "G02X29.89Y30I0J10", false},
                 {30, 10, "G03X30Y30.09I0J10", true}, {30, 10, "G03X30Y30.11I0J10", false},
                 {0, 0, "G02X10Y0I5J0", true},        {0, 0, "G03X7Y7I7J0", true},
                 {0, 0, "G03X-10Y0I5J0", false},      {30, 10, "G03X40Y20Z-5I0J10", true},
                 {30, 10, "G03J10X45Y20I0", true},    {30, 10, "G03X45Y20I0J10", false},
                 {30, 10, "G03I5X40Y20J10I0", false}, {0, 0, "G01X10Y10J5", false},
                 {0, 0, "G01X0Y10J5", true},          {0, 0, "J5", true}};
    for (const auto& c : cases) {
        Reader r("%" + c.line, c.xs, c.ys);
        EXPECT_EQ(r.toEnd(), c.accepted ? Outcome::EndOfText : Outcome::Error) << c.line;
        EXPECT_EQ(r.interp.error(), c.accepted ? "" : "终点不在圆弧上") << c.line;
    }
}

}  // namespace
}  // namespace tarvo::interp
