#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <regex>
#include <sstream>
#include <string>

#include "motion/ComparisonLine.h"
#include "motion/exact/ExactRoot.h"
#include "support/LongDivision.h"
#include "support/NearestRoot.h"
#include "support/TableFile.h"
#include "teach/support/TableRun.h"
#include "teach/table/PulseText.h"
#include "teach/table/RowTexts.h"
#include "teach/table/TableCaption.h"
#include "teach/table/TextbookColumns.h"

namespace tarvo::teach {
namespace {

TARVO_TABLE_SUITE(TextbookSteps, "textbook-steps.tsv");

TEST_P(TextbookSteps, ReadAsTheTextbookWorksThem) {
    const test::TableRun run(test::programOf(row()["program"]), test::withDl(row().number("dl")));
    static const std::regex minusZero("(^|[^0-9.])(-|−)0($|[^.0-9])");
    for (const TextbookStep& step : run.steps()) {
        const RowTexts texts = rowTexts(step);
        for (int column = 0; column < TextbookColumns; ++column) {
            EXPECT_FALSE(std::regex_search(textbookCell(step.record, texts, column), minusZero));
        }
    }
    const std::vector<TextbookStep> steps = run.steps(row().as<std::int64_t>("line"));
    EXPECT_EQ(steps.size(), row().numberOr("of", double(steps.size())));
    if (row()["number"].empty()) {
        std::string feeds, deviations, counters;
        for (const TextbookStep& step : steps) {
            const RowTexts texts = rowTexts(step);
            feeds += ' ' + texts.feed;
            deviations += ' ' + texts.deviation;
            counters += ' ' + std::to_string(step.sigmaAfter().value_or(-1));
        }
        test::expectTexts(row(), {{"feed", feeds.substr(1)},
                                  {"F", withMinusSign(deviations.substr(1))},
                                  {"sigma", counters.substr(1)}});
        return;
    }
    const TextbookStep& step = steps.at(row().as<std::size_t>("number") - 1);
    const RowTexts texts = rowTexts(step);
    const auto cell = [&](int column) { return textbookCell(step.record, texts, column); };
    test::expectTexts(row(), {{"feed", cell(Feed)},
                              {"F", cell(Deviation)},
                              {"sigma", cell(Sigma)},
                              {"x", cell(X)},
                              {"y", cell(Y)},
                              {"judgement", texts.judgement},
                              {"calculation", texts.calculation},
                              {"end", texts.distance}});
}

motion::Wide wideOf(const std::string& digits) {
    motion::Wide n = 0;
    for (const char c : digits.substr(digits[0] == '-')) n = n * 10 + (c - '0');
    return digits[0] == '-' ? -n : n;
}

TARVO_TABLE_SUITE(PulseTexts, "pulse-texts.tsv");

TEST_P(PulseTexts, AreTheExactQuotientRounded) {
    const auto step = motion::Decimal::fromUnits(std::stoll(row()["step"]));
    const motion::Wide units = wideOf(row()["units"]);
    EXPECT_EQ(row()["kind"] == "square"
                  ? pulseSquaredText(motion::Squared::fromUnits(units), step)
                  : pulseText(motion::Decimal::fromUnits(static_cast<std::int64_t>(units)), step),
              row()["text"]);
}

TARVO_TABLE_SUITE(ComparisonLineText, "comparison-line-texts.tsv");

// The judgement names the rule the stepper followed, on an axis in words,
// and the calculation has the rule's signs.
TEST_P(ComparisonLineText, NamesTheRuleApplied) {
    std::istringstream end(row()["end"]);
    motion::PulsePoint e;
    end >> e.x >> e.y;
    motion::ComparisonLine line(e);
    motion::ComparisonStep step;
    for (int n = 0; n < row().as<int>("number"); ++n) step = line.next();
    motion::StepRecord record;
    record.gmode = motion::Mode::Line;
    record.interpolation = motion::Interpolation::Comparison;
    record.number = static_cast<std::uint64_t>(step.number);
    record.feed[0] = step.feed.x;
    record.feed[1] = step.feed.y;
    record.pulses = step;
    TextbookSegment segment;
    segment.figure.end = e;
    const RowTexts texts = rowTexts({record, segment});
    test::expectTexts(
        row(),
        {{"feed", texts.feed}, {"judgement", texts.judgement}, {"calculation", texts.calculation}});
}

// A whole number of pulses is written straight from a 64-bit quotient, the
// rest digit by digit in 64 bits where they fit and in 128 where they do
// not. All must write what long division on a string of digits writes.

std::string expected(motion::Wide n, motion::Wide d) {
    bool exact = false;
    std::string text =
        test::longDivision(motion::magnitude(n), motion::magnitude(d), 8, false, exact);
    std::string prefix;
    if (!exact) {
        text = test::longDivision(motion::magnitude(n), motion::magnitude(d), 4, true, exact);
        prefix = "≈";
    }
    if ((n < 0) != (d < 0) && text != "0") prefix += "-";
    return prefix + text;
}

TEST(PulseText, WritesWhatLongDivisionWrites) {
    std::mt19937_64 random(20261207);
    for (int i = 0; i < 200'000; ++i) {
        const auto step = static_cast<std::int64_t>(random() % 10'000'000'000U) + 1'000'000;
        const motion::Decimal dlstep = motion::Decimal::fromUnits(step);
        auto units = static_cast<std::int64_t>(random() >> (random() % 56 + 8));
        if (i % 3 == 0)
            units = step * static_cast<std::int64_t>(random() % 100'000);  // whole pulses
        if (i % 2 == 0) units = -units;
        const motion::Decimal length = motion::Decimal::fromUnits(units);
        ASSERT_EQ(pulseText(length, dlstep), expected(units, step)) << units << " / " << step;
        const motion::Squared square = motion::Squared::of(length) - motion::Squared::fromUnits(i);
        ASSERT_EQ(pulseSquaredText(square, dlstep),
                  expected(square.units(), motion::Squared::of(dlstep).units()));
    }
}

using U128 = motion::WideUnsigned;

TARVO_TABLE_SUITE(DistanceRoot, "exact/roots.tsv");

// The root is the nearest double of the exact one, and the table's texts
// round it to the nearest, exact roots without decimals.
TEST_P(DistanceRoot, IsTheNearestDoubleAndReadsRounded) {
    const motion::Wide wide = wideOf(row()["square"]);
    const auto square = motion::Squared::fromUnits(wide);
    const auto units = static_cast<U128>(wide);
    const auto dlstep = motion::Decimal::fromUnits(std::stoll(row()["step"]));
    const double root = square.root();
    EXPECT_EQ(root, std::strtod(row()["root"].c_str(), nullptr));
    EXPECT_TRUE(test::NearestRootCheck::holds(units, root));
    // The check tells a neighbour one unit in the last place off.
    EXPECT_FALSE(test::NearestRootCheck::holds(units, std::nextafter(root, HUGE_VAL)));
    EXPECT_FALSE(test::NearestRootCheck::holds(units, std::nextafter(root, -HUGE_VAL)));
    motion::StepRecord record;
    record.gmode = motion::Mode::Line;
    record.distance2 = square;
    TextbookSegment segment;
    segment.dlstep = dlstep;
    test::expectTexts(row(), {{"text", pulseRootText(square, dlstep)},
                              {"end", rowTexts(TextbookStep{record, segment}).distance}});
}

// Whole roots at the edges of 128 bits, with what is left over.
TEST(WholeRoot, AtTheEdgesOfTheRange) {
    const auto rootAndRest = [](U128 n) {
        const auto whole = motion::wholeRoot(n);
        return std::tuple(whole.root, whole.rest);
    };
    const U128 top = ~U128{0}, half = ~std::uint64_t{0}, big = (U128{1} << 63) + 12345;
    EXPECT_EQ(rootAndRest(top), std::tuple(half, top - half * half));
    EXPECT_EQ(rootAndRest(0), std::tuple(U128{0}, U128{0}));
    EXPECT_EQ(rootAndRest(big * big), std::tuple(big, U128{0}));
    EXPECT_EQ(rootAndRest(big * big - 1), std::tuple(big - 1, 2 * big - 2));
}

TARVO_TABLE_SUITE(TableCaptions, "table-captions.tsv");

// The caption above the table once it has taken in a number of rows, or all the run made.
TEST_P(TableCaptions, NameTheMethodAndTheRegisters) {
    test::TableRun run;
    EXPECT_EQ(tableCaption(run.table), "运行程序后，这里逐步列出插补过程");
    run.machine.run(row()["program"], test::paramsOf(row().number("dl"), row()["method"]));
    const auto rows = static_cast<std::uint64_t>(row().numberOr("rows", 1e9));
    for (int tick = 0; !run.machine.idle() && run.table.endSerial() < rows && tick < 1'000'000;
         ++tick) {
        run.machine.advance();
    }
    EXPECT_EQ(tableCaption(run.table), row()["caption"]);
}

// Every distance of the default program's table at 0.01 mm, the one a
// teacher reads most, is the nearest double of its exact root.
TEST(DistanceRoot, EveryRowOfTheFineTableIsTheNearestDouble) {
    const test::TableRun run(test::sampleProgram, test::withDl(0.01), 100'000);
    std::uint64_t rows = 0, wrong = 0;
    for (const TextbookStep& step : run.steps()) {
        ++rows;
        wrong += !test::NearestRootCheck::holds(static_cast<U128>(step.record.distance2.units()),
                                                step.record.distance());
    }
    EXPECT_EQ(rows, 16'800u);
    EXPECT_EQ(wrong, 0u);
}

}  // namespace
}  // namespace tarvo::teach
