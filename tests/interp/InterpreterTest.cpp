#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "interp/Interpreter.h"
#include "interp/Messages.h"

namespace tarvo::interp {
namespace {

using Outcome = Interpreter::Outcome;

// The interpreter on its own, with the segment it writes into; the tool
// stands at the segment's start point as the dispatcher would leave it.
struct Reader {
    Interpreter interp;
    motion::Segment s;

    explicit Reader(std::string text, double xs = 0, double ys = 0) {
        s.xs = s.xe = xs;
        s.ys = s.ye = ys;
        interp.start(std::move(text));
    }

    // Ticks until the end of the text or an error; line ends are passed over.
    Outcome toEnd() {
        for (int i = 0; i < 1000; ++i) {
            const Outcome o = interp.tick(s);
            if (o == Outcome::EndOfText || o == Outcome::Error) return o;
        }
        ADD_FAILURE() << "no end of text";
        return Outcome::Error;
    }
};

// --- The G and M tables, as whole word texts in either case ---------------

struct CommandCase {
    std::string word, gcode, mcode, lcode;

    friend void PrintTo(const CommandCase& c, std::ostream* os) { *os << '"' << c.word << '"'; }
};

class InterpCommandWords : public ::testing::TestWithParam<CommandCase> {};

TEST_P(InterpCommandWords, SetTheModalCommandTexts) {
    const CommandCase& c = GetParam();
    Reader r("%" + c.word);
    EXPECT_EQ(r.interp.tick(r.s), Outcome::Word) << c.word;
    EXPECT_EQ(r.interp.gcode, c.gcode) << c.word;
    EXPECT_EQ(r.interp.mcode, c.mcode) << c.word;
    EXPECT_EQ(r.interp.lcode, c.lcode) << c.word;
    EXPECT_EQ(r.interp.txtpos, static_cast<std::int64_t>(c.word.size()) + 1);
}

std::vector<CommandCase> commandCases() {
    std::vector<CommandCase> cases;
    for (const char* digits : {"00", "0", "01", "1", "02", "2", "03", "3"}) {
        const std::string g = std::string("G0") + digits[std::string(digits).size() - 1];
        cases.push_back({std::string("G") + digits, g, "", ""});
        cases.push_back({std::string("g") + digits, g, "", ""});
    }
    for (const char* digits : {"03", "3", "05", "5"}) {
        const std::string m = std::string("M0") + digits[std::string(digits).size() - 1];
        cases.push_back({std::string("M") + digits, "", m, ""});
        cases.push_back({std::string("m") + digits, "", m, ""});
    }
    for (const char* digits : {"08", "8", "09", "9"}) {
        const std::string l = std::string("M0") + digits[std::string(digits).size() - 1];
        cases.push_back({std::string("M") + digits, "", "", l});
        cases.push_back({std::string("m") + digits, "", "", l});
    }
    // Accepted and without effect: coordinates are always absolute, and M30
    // does not end the program.
    for (const char* word : {"G54", "g54", "G90", "g90", "M30", "m30"}) {
        cases.push_back({word, "", "", ""});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Table, InterpCommandWords, ::testing::ValuesIn(commandCases()));

TEST(InterpCommandWordEffects, AcceptedWordsWithoutEffectKeepEarlierCommands) {
    Reader r("%G02M03M08G54G90M30");
    EXPECT_EQ(r.toEnd(), Outcome::EndOfText);
    EXPECT_EQ(r.interp.gcode, "G02");
    EXPECT_EQ(r.interp.mcode, "M03");
    EXPECT_EQ(r.interp.lcode, "M08");
}

// --- Coordinate words: values as written, modal, ignored letters skipped --

struct CoordinateCase {
    std::string line;
    double xe = 0, ye = 0, ze = 60, ic = 0, jc = 0;
    std::string gcode{};

    friend void PrintTo(const CoordinateCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }
};

class InterpCoordinateWords : public ::testing::TestWithParam<CoordinateCase> {};

TEST_P(InterpCoordinateWords, StoreTheirLeadingNumber) {
    const CoordinateCase& c = GetParam();
    Reader r("%\n" + c.line + "\n");
    ASSERT_EQ(r.toEnd(), Outcome::EndOfText) << r.interp.error();
    EXPECT_EQ(r.s.xe, c.xe) << c.line;
    EXPECT_EQ(r.s.ye, c.ye) << c.line;
    EXPECT_EQ(r.s.ze, c.ze) << c.line;
    EXPECT_EQ(r.s.ic, c.ic) << c.line;
    EXPECT_EQ(r.s.jc, c.jc) << c.line;
    EXPECT_EQ(r.interp.gcode, c.gcode) << c.line;
}

INSTANTIATE_TEST_SUITE_P(
    Lines, InterpCoordinateWords,
    ::testing::Values(CoordinateCase{"X123456789", 123456789},
                      // Only nine characters count; the rest of the run goes with them.
                      CoordinateCase{"X1234567891", 123456789},
                      CoordinateCase{"X12345678901Y2", 123456789, 2},
                      CoordinateCase{"X-0.1234567890", -0.123456},
                      CoordinateCase{"x1.2.3y5-3z--5", 1.2, 5, 0},
                      CoordinateCase{"X.5Y+7Z+60.25", 0.5, 7, 60.25},
                      CoordinateCase{"I+5", 0, 0, 60, -5},  // "+" belongs to an I word
                      CoordinateCase{"i-2.5J-5", 0, 0, 60, 2.5, 5}, CoordinateCase{"X1X2", 2},
                      CoordinateCase{"G01.5X3", 3, 0, 60, 0, 0, "G01"},  // ".5" is skipped
                      CoordinateCase{"N10 G01 X5 F200 S1000 T1\tY6", 5, 6, 60, 0, 0, "G01"},
                      CoordinateCase{"G0X1\nY2\nZ3", 1, 2, 3, 0, 0, "G00"},  // modal across lines
                      CoordinateCase{"%", 0, 0, 60}));

TEST(InterpCoordinateWordRuns, LongNumberRunIsConsumedInOneTick) {
    Reader r("%X12345678901Y2");
    EXPECT_EQ(r.interp.tick(r.s), Outcome::Word);
    EXPECT_EQ(r.interp.txtpos, 13);  // on the Y
    EXPECT_EQ(r.interp.tick(r.s), Outcome::Word);
    EXPECT_EQ(r.s.ye, 2);
}

// --- Pacing: each tick skips ignored characters, then takes one word ------

struct PacingCase {
    std::string line;
    int words;

    friend void PrintTo(const PacingCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }
};

class InterpPacing : public ::testing::TestWithParam<PacingCase> {};

TEST_P(InterpPacing, LineOfNWordsTakesNPlusOneTicks) {
    const PacingCase& c = GetParam();
    Reader r("%\n" + c.line + "\nX1\n");
    ASSERT_EQ(r.interp.tick(r.s), Outcome::LineEnd);
    for (int i = 0; i < c.words; ++i) {
        ASSERT_EQ(r.interp.tick(r.s), Outcome::Word) << c.line << ", word " << i + 1;
    }
    EXPECT_EQ(r.interp.tick(r.s), Outcome::LineEnd) << c.line;
    EXPECT_EQ(r.interp.txtline, 2);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, InterpPacing,
    ::testing::Values(PacingCase{"", 0}, PacingCase{"%", 0}, PacingCase{"  N10 F200\r", 0},
                      PacingCase{"G90G00X10Y10", 4}, PacingCase{"G01X30F200", 2},
                      PacingCase{" g1 x1 y2 z3 ", 4}, PacingCase{"M03M08", 2},
                      PacingCase{"G03X1Y1I0J1", 5}, PacingCase{"\xe5\x90\x8e X1", 1}));

// --- The arc end-point check after every J word -----------------------------

struct ArcCase {
    double xs, ys;  // tool position, also the end point of the previous line
    std::string line;
    bool accepted;

    friend void PrintTo(const ArcCase& c, std::ostream* os) { *os << '"' << c.line << '"'; }
};

class InterpArcEndPoint : public ::testing::TestWithParam<ArcCase> {};

TEST_P(InterpArcEndPoint, EndMustLieWithinATenthOfTheCircle) {
    const ArcCase& c = GetParam();
    Reader r("%" + c.line, c.xs, c.ys);
    const Outcome o = r.toEnd();
    if (c.accepted) {
        EXPECT_EQ(o, Outcome::EndOfText) << c.line << ": " << r.interp.error();
    } else {
        EXPECT_EQ(o, Outcome::Error) << c.line;
        EXPECT_EQ(r.interp.error(), messages::notOnArc) << c.line;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, InterpArcEndPoint,
    ::testing::Values(ArcCase{30, 10, "G03X40Y20I0J10", true},  // the sample's arcs: difference 0
                      ArcCase{40, 20, "G02X30Y30I0J10", true},
                      ArcCase{30, 10, "G03X40.09Y20I0J10", true},  // just inside, outwards
                      ArcCase{30, 10, "G03X40.11Y20I0J10", false},
                      ArcCase{30, 10, "G03X39.91Y20I0J10", true},  // just inside, inwards
                      ArcCase{30, 10, "G03X39.89Y20I0J10", false},
                      ArcCase{40, 20, "G02X29.91Y30I0J10", true},
                      ArcCase{40, 20, "G02X29.89Y30I0J10", false},
                      ArcCase{30, 10, "G03X30Y30.09I0J10", true},  // across the circle, along Y
                      ArcCase{30, 10, "G03X30Y30.11I0J10", false},
                      ArcCase{0, 0, "G02X10Y0I5J0", true},  // centre at start + (I, J)
                      ArcCase{0, 0, "G03X7Y7I7J0", true}, ArcCase{0, 0, "G03X-10Y0I5J0", false},
                      ArcCase{30, 10, "G03X40Y20Z-5I0J10", true},  // Z takes no part
                      // J before X and Y: checked against the previous end point, the start
                      // point itself, which always lies on the circle.
                      ArcCase{30, 10, "G03J10X45Y20I0", true},
                      ArcCase{30, 10, "G03X45Y20I0J10", false},
                      // I after J: the check used the I already written.
                      ArcCase{30, 10, "G03I5X40Y20J10I0", false},
                      // A J word is checked whatever the motion command.
                      ArcCase{0, 0, "G01X10Y10J5", false}, ArcCase{0, 0, "G01X0Y10J5", true},
                      ArcCase{0, 0, "J5", true}));

}  // namespace
}  // namespace tarvo::interp
