#include <gtest/gtest.h>

#include <algorithm>

#include "interp/Interpreter.h"
#include "interp/ParameterTexts.h"
#include "interp/Parameters.h"
#include "support/Programs.h"
#include "support/TableFile.h"

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

TARVO_TABLE_SUITE(InterpWords, "words.tsv");
TARVO_TABLE_SUITE(InterpArcEnd, "arc-tolerance.tsv");

TEST_P(InterpWords, EachTickReadsOneWord) {
    const std::string& line = row()["line"];
    Reader r("%\n" + line + "\n");
    EXPECT_EQ(r.toEnd(), Outcome::EndOfText) << r.interp.error();
    EXPECT_EQ(
        std::tuple(r.words, r.lineEnds),
        std::tuple(row().as<int>("words"), 2 + int(std::count(line.begin(), line.end(), '\n'))));
    using test::dbl;
    EXPECT_EQ(std::vector({dbl(r.s.xe), dbl(r.s.ye), dbl(r.s.ze), dbl(r.s.ic), dbl(r.s.jc)}),
              row().numbers("end"));
    const Interpreter& i = r.interp;
    EXPECT_EQ(std::string(i.gcode) + "|" + std::string(i.mcode) + "|" + std::string(i.lcode),
              row()["commands"]);
}

TEST_P(InterpArcEnd, MustLieWithinATenthOfTheCircle) {
    const std::vector<double> tool = row().numbers("tool");
    Reader r("%" + row()["line"], tool.at(0), tool.at(1));
    const std::string& error = row()["error"];
    EXPECT_EQ(r.toEnd(), error.empty() ? Outcome::EndOfText : Outcome::Error);
    EXPECT_EQ(r.interp.error(), error);
}

TARVO_TABLE_SUITE(InterpExactValue, "exact/program-values.tsv");
TARVO_TABLE_SUITE(InterpParameterEdge, "exact/parameters.tsv");

// Every number a nine-character word spells is held exactly, the largest and the finest alike.
TEST_P(InterpExactValue, IsHeldExactly) {
    Reader r("%" + row()["word"] + "\n");
    EXPECT_EQ(r.toEnd(), Outcome::EndOfText);
    EXPECT_EQ(r.s.xe.units(), std::stoll(row()["units"]));
}

// The parameters' texts as both shells read them: at and just beyond what can be held, refused
// with their own messages; blanks around a number are no part of it.
TEST_P(InterpParameterEdge, IsRefusedWithItsMessage) {
    const auto field = parameterFieldOfKey(row()["field"]);
    ASSERT_TRUE(field);
    EXPECT_EQ(parameterTextProblem(*field, row()["text"]).value_or(""), row()["message"]);
}

}  // namespace
}  // namespace tarvo::interp
