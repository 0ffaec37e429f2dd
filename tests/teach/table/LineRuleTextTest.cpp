#include <gtest/gtest.h>

#include <sstream>

#include "motion/ComparisonLine.h"
#include "support/TableFile.h"
#include "teach/table/RowTexts.h"

namespace tarvo::teach {
namespace {

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

}  // namespace
}  // namespace tarvo::teach
