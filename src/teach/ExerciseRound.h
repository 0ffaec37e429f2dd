#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "motion/PulseStepper.h"
#include "teach/ExerciseCode.h"
#include "teach/ExerciseScore.h"

namespace tarvo::teach {

// A round of predict-then-see over the exercises a code fixes, one
// iteration at a time. Each iteration is worked out before it is asked, so
// that what stands before it (the point, the deviation judged, the
// registers) can be shown while the rest stays hidden; an answer marks it,
// then the figure moves on by it. The shell calls the answer that fits the
// exercise's method while the exercise is not done.
class ExerciseRound {
public:
    explicit ExerciseRound(const ExerciseCode& code);

    const std::string& code() const { return code_; }
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
    // The points the figure has reached so far, from its start (pulses).
    const std::vector<motion::PulsePoint>& path() const { return path_; }
    // Every point the figure will reach, for sizing a drawing in advance.
    const std::vector<motion::PulsePoint>& wholePath() const { return wholePath_; }

    // Comparison: the feed pressed and the new deviation typed, either or
    // both, each marked as an answer of its own; then the iteration runs.
    std::vector<Graded> answerComparison(std::optional<motion::PulseFeed> feed,
                                         std::optional<std::int64_t> deviation);
    // Integration: the remainder registers ticked as overflowing.
    Graded answerIntegration(bool x, bool y);
    // Moves on to the next exercise once this one is done and is not the last.
    void nextExercise();

    const ExerciseScore& score() const { return score_; }

private:
    void begin();
    void record(std::int64_t iteration, const Graded& graded);
    void advance();

    std::string code_;
    std::vector<Exercise> exercises_;
    std::size_t index_ = 0;
    std::optional<motion::PulseStepper> stepper_;
    std::optional<motion::PulseIteration> asked_;
    std::vector<motion::PulsePoint> path_, wholePath_;
    ExerciseScore score_;
};

}  // namespace tarvo::teach
