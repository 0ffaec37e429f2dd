#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "motion/PulseStepper.h"
#include "teach/exercises/ExerciseAttempt.h"
#include "teach/exercises/ExerciseCode.h"
#include "teach/exercises/ExerciseScore.h"

namespace tarvo::teach {

// An attempt at predict-then-see over the exercises a code fixes, from the
// first, one iteration at a time. Each iteration is worked out before it is
// asked, so that what stands before it (the point, the deviation judged, the
// registers) can be shown while the rest stays hidden; an answer marks it,
// then the figure moves on by it. The shell calls the answer that fits the
// exercise's method while the exercise is not done.
//
// Every iteration asks a fixed set of answers: a comparison iteration the
// feed and the new deviation F, an integration iteration the overflows. So
// every attempt at a code has the same number of answers, skipped ones
// marked wrong.
class ExerciseRound {
public:
    // The attempt's code is the code's canonical text, whatever it holds.
    explicit ExerciseRound(const ExerciseCode& code, ExerciseAttempt attempt = {});

    const std::string& code() const { return attempt_.code; }
    const ExerciseAttempt& attempt() const { return attempt_; }
    std::size_t count() const { return exercises_.size(); }
    // The exercise under way, numbered from 1.
    std::size_t number() const { return index_ + 1; }
    const Exercise& exercise() const { return exercises_[index_]; }
    // Its figure has reached its end: the next exercise may come.
    bool exerciseDone() const { return !asked_.has_value(); }
    // The last exercise is done: the score is complete.
    bool finished() const { return exerciseDone() && index_ + 1 == exercises_.size(); }
    // The iteration asked now; only while the exercise is not done.
    const motion::PulseIteration& asked() const { return *asked_; }
    // Its number within the exercise, counted from 1.
    std::int64_t askedNumber() const;
    // The points the figure has reached so far, from its start (pulses).
    const std::vector<motion::PulsePoint>& path() const { return path_; }
    // Every point the figure will reach, for sizing a drawing in advance.
    const std::vector<motion::PulsePoint>& wholePath() const { return wholePath_; }

    // Comparison: the feed pressed and the new deviation typed, nothing
    // when the field was left empty; marked as two answers, the feed's
    // first, the deviation's "未答" when skipped. Then the iteration runs.
    std::vector<Graded> answerComparison(motion::PulseFeed feed,
                                         std::optional<std::int64_t> deviation);
    // Integration: the remainder registers ticked as overflowing.
    Graded answerIntegration(bool x, bool y);
    // Moves on to the next exercise once this one is done and is not the last.
    void nextExercise();

    const ExerciseScore& score() const { return score_; }
    // The answers not given yet, from the iteration asked now to the end of
    // the last exercise, each marked "未答" with its right answer: what an
    // attempt exported early still owes to its total.
    std::vector<AnsweredStep> unanswered() const;

private:
    void begin();
    void record(std::int64_t iteration, std::function<Graded()> grade, const char* item);
    void advance();

    ExerciseAttempt attempt_;
    std::vector<Exercise> exercises_;
    std::size_t index_ = 0;
    std::optional<motion::PulseStepper> stepper_;
    std::optional<motion::PulseIteration> asked_;
    std::vector<motion::PulsePoint> path_, wholePath_;
    ExerciseScore score_;
};

}  // namespace tarvo::teach
