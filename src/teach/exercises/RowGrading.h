#pragma once

#include <cstdint>

#include "motion/PulseStep.h"
#include "teach/exercises/ExerciseGrading.h"
#include "teach/table/TextbookStep.h"

namespace tarvo::teach {

// What a student answers for a row of the interpolation table before seeing
// it. A textbook method's row asks what its exercises ask: comparison the
// feed and the new F, digital integration the registers that overflow. The
// machine's own rows ask only what decides the step, since their registers
// are millimetres and squares of tenths, not the whole pulses an answer is
// worked out in: an arc (the machine compares) the feed, a straight move
// (the machine integrates) which of the X and Y registers overflow.
enum class AnswerForm { FeedAndDeviation, Feed, Overflow };

AnswerForm answerForm(const motion::StepRecord& record);

// The row's answers marked as the exercises mark them: a textbook method's
// row by the exercises' own grading, with the figure the row was stepped
// from; a machine row against the feed it made, explained by the table's
// own beats. gradeRowDeviation only for FeedAndDeviation rows,
// gradeRowFeed for either feed form, gradeRowOverflow for Overflow rows.
Graded gradeRowFeed(const TextbookStep& step, motion::PulseFeed answer);
Graded gradeRowDeviation(const TextbookStep& step, std::int64_t answer);
Graded gradeRowOverflow(const TextbookStep& step, bool x, bool y);

// The exercise a textbook method's row belongs to: its segment's figure in
// whole pulses, stepped by the row's method.
Exercise exerciseOf(const TextbookStep& step);

}  // namespace tarvo::teach
