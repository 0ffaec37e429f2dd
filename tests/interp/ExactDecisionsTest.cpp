#include <gtest/gtest.h>

#include <string>

#include "interp/Interpreter.h"
#include "interp/Messages.h"
#include "interp/Parameters.h"
#include "motion/DecimalReading.h"
#include "support/TsvTable.h"

namespace tarvo::interp {
namespace {

using Outcome = Interpreter::Outcome;

motion::Decimal decimal(const std::string& text) {
    const motion::DecimalReading reading = motion::readDecimal(text);
    EXPECT_TRUE(reading.exact()) << text;
    return reading.value;
}

// Reads a program to its end or its first error.
Outcome readAll(Interpreter& interp, motion::Segment& s, const std::string& text) {
    interp.start(text);
    for (int i = 0; i < 1000; ++i) {
        const Outcome o = interp.tick(s);
        if (o == Outcome::EndOfText || o == Outcome::Error) return o;
    }
    ADD_FAILURE() << "no end of text";
    return Outcome::Error;
}

motion::DecimalReading& field(Parameters& p, const std::string& name) {
    if (name == "g54x") return p.g54x;
    if (name == "g54y") return p.g54y;
    if (name == "g54z") return p.g54z;
    return p.dl;
}

// |r2 − r1| < 0.1 mm decided exactly: radii exactly 0.1 apart are refused
// (small or large, rational or not), a hundred-millionth less is accepted.
TEST(ExactDecisions, ArcEndPointCheckIsExactOnBothSides) {
    for (const test::TsvRow& row : test::readTsv("exact/arc-end-check.tsv")) {
        SCOPED_TRACE(row.where + " " + row["line"]);
        Interpreter interp;
        motion::Segment s;
        s.xs = s.xe = decimal(row["xs"]);
        s.ys = s.ye = decimal(row["ys"]);
        const bool accepted = row["accepted"] == "yes";
        EXPECT_EQ(readAll(interp, s, "%" + row["line"] + "\n"),
                  accepted ? Outcome::EndOfText : Outcome::Error);
        EXPECT_EQ(interp.error(), accepted ? "" : messages::notOnArc);
    }
}

// Every number a nine-character word spells is held exactly, the largest and
// the finest alike.
TEST(ExactDecisions, ProgramValuesReadExactly) {
    for (const test::TsvRow& row : test::readTsv("exact/program-values.tsv")) {
        Interpreter interp;
        motion::Segment s;
        EXPECT_EQ(readAll(interp, s, "%" + row["word"] + "\n"), Outcome::EndOfText) << row.where;
        EXPECT_EQ(s.xe.units(), std::stoll(row["units"])) << row.where;
    }
}

// The pulse equivalent and the origin at and just beyond what can be held,
// refused with their own messages.
TEST(ExactDecisions, ParametersAtTheEdgesOfTheirRange) {
    for (const test::TsvRow& row : test::readTsv("exact/parameters.tsv")) {
        Parameters p;
        field(p, row["field"]) = motion::readDecimal(row["text"]);
        EXPECT_EQ(parameterProblem(p).value_or(""), row["message"]) << row.where;
    }
}

}  // namespace
}  // namespace tarvo::interp
