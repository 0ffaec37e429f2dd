#include <gtest/gtest.h>

#include <regex>

#include "support/Programs.h"
#include "support/RecordingPanel.h"
#include "support/TableFile.h"
#include "teach/table/PulseText.h"
#include "teach/table/StepCsv.h"
#include "teach/table/StepTable.h"
#include "teach/table/TextbookColumns.h"

namespace tarvo::teach {
namespace {

TARVO_TABLE_SUITE(TextbookSteps, "textbook-steps.tsv");

TEST_P(TextbookSteps, ReadAsTheTextbookWorksThem) {
    test::RecordingPanel panel;
    interp::Machine machine(panel);
    StepTable table(machine);
    test::runToEnd(machine, "%\n" + row()["program"] + "\n%\n", test::withDl(row().number("dl")));
    static const std::regex minusZero("(^|[^0-9.])(-|−)0($|[^.0-9])");
    std::vector<TextbookStep> steps;
    for (std::uint64_t serial = table.firstSerial(); serial < table.endSerial(); ++serial) {
        const TextbookStep step = table.textbookAt(serial);
        // No cell ever reads minus zero.
        const RowTexts texts = rowTexts(step);
        for (int column = 0; column < TextbookColumns; ++column) {
            EXPECT_FALSE(std::regex_search(textbookCell(step.record, texts, column), minusZero));
        }
        if (step.record.line == row().as<std::int64_t>("line")) steps.push_back(step);
    }
    if (!row()["of"].empty()) {
        EXPECT_EQ(steps.size(), row().as<std::size_t>("of"));
    }
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

// Quotients that do not end within eight places are rounded to four, and
// what reads 0 carries no sign.
TEST(PulseText, RoundsEndlessQuotientsAndNeverWritesMinusZero) {
    const motion::Decimal step = motion::Decimal::fromUnits(30'000'000);  // 0.03 mm in tenths
    EXPECT_EQ(pulseText(motion::Decimal::fromUnits(-75'000'000), step), "-2.5");
    EXPECT_EQ(pulseText(motion::Decimal::fromUnits(-20'000'000), step), "≈-0.6667");
    EXPECT_EQ(pulseText(motion::Decimal::fromUnits(-1), step), "≈0");
    EXPECT_EQ(pulseText(motion::Decimal::fromUnits(299'998'000), step), "≈9.9999");
    EXPECT_EQ(pulseText(motion::Decimal::fromUnits(299'999'999), step), "≈10");
    EXPECT_EQ(pulseSquaredText(motion::Squared(-2), motion::Decimal(2)), "-0.5");
}

// Quotients beyond 64 bits, in the numerator or in ten times the divisor, are as exact as
// the small ones.
TEST(PulseText, QuotientsBeyondSixtyFourBitsStayExact) {
    const auto units = [](std::int64_t u) { return motion::Decimal::fromUnits(u); };
    const auto largest = motion::Squared::of(units(9'223'372'036'854'775'807));
    EXPECT_EQ(pulseSquaredText(largest, units(2)), "21267647932558653961849226946058125312.25");
    EXPECT_EQ(pulseSquaredText(largest, units(3)), "≈9452287970026068427488545309359166805.4444");
    EXPECT_EQ(pulseSquaredText(motion::Squared::fromUnits(3'000'000'000'000'000'000),
                               units(2'000'000'000)),
              "0.75");
    EXPECT_EQ(pulseSquaredText(motion::Squared::fromUnits(-2'500'000'000'000'000'000),
                               units(1'000'000'000)),
              "-2.5");
}

// The straight moves' registers count millimetres on the machine, pulses
// under a textbook method, and the export's header says which.
TEST(TextbookCsv, NamesTheRegistersUnitOfTheRunsMethod) {
    for (const auto method : {motion::Interpolation::Machine, motion::Interpolation::Integration}) {
        test::RecordingPanel panel;
        interp::Machine machine(panel);
        StepTable table(machine);
        interp::Parameters p;
        p.method = {method, false};
        test::runToEnd(machine, "%\nG01X3\n%\n", p);
        const bool machines = method == motion::Interpolation::Machine;
        EXPECT_NE(
            textbookCsv(table).find(machines ? ",偏差计算（直线：毫米）," : ",偏差计算（脉冲）,"),
            std::string::npos);
    }
}

}  // namespace
}  // namespace tarvo::teach
