#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "motion/PulseStep.h"
#include "teach/exercises/Exercise.h"

namespace tarvo::teach {

// A student's answer for one iteration, marked: the answer and the right one
// as the exercises write them, and the formula and numbers that decide it,
// e.g. "F = −3 < 0 → +Y；F = −3 + 5 = 2".
struct Graded {
    bool right = false;
    std::string answer, expected, explanation;
};

// Comparison: the feed the student pressed (±X or ±Y).
Graded gradeFeed(const Exercise& exercise, const motion::ComparisonStep& step,
                 motion::PulseFeed answer);
// Comparison: the new deviation the student typed.
Graded gradeDeviation(const Exercise& exercise, const motion::ComparisonStep& step,
                      std::int64_t answer);
// Comparison: both answers of an iteration, the feed's first, the new
// deviation's "未答" when none was typed.
std::vector<Graded> gradeComparison(const Exercise& exercise, const motion::ComparisonStep& step,
                                    motion::PulseFeed feed, std::optional<std::int64_t> deviation);
// Integration: the remainder registers the student ticked as overflowing.
Graded gradeOverflow(const motion::IntegrationStep& step, bool x, bool y);

// An answer left out, e.g. the new deviation not typed before the feed was
// pressed: marked wrong and written "未答", with the right answer and the
// formula of the answer it stands for.
Graded unanswered(Graded graded);

// A feed as the buttons name it: "+X", "−Y", "−X+Y"; "无" for none.
std::string pulseFeedText(motion::PulseFeed feed);

}  // namespace tarvo::teach
