#include <gtest/gtest.h>

#include <regex>

#include "support/TableFile.h"
#include "teach/support/TableRun.h"
#include "teach/table/PulseText.h"
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

}  // namespace
}  // namespace tarvo::teach
