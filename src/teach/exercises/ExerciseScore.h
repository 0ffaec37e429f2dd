#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "teach/exercises/ExerciseGrading.h"

namespace tarvo::teach {

// What an answer is about: each comparison iteration asks the feed and the
// new deviation F, each integration iteration the overflows. The names are
// the catalogue's keys, said when the answer is read.
inline constexpr const char* feedItem = "进给";
inline constexpr const char* deviationItem = "F";
inline constexpr const char* overflowItem = "溢出";

// One answer to an iteration of an exercise.
struct AnsweredStep {
    std::size_t exercise = 0;  // from 1, in the order the code gave them
    std::string task;          // the exercise's text
    std::int64_t iteration = 0;
    Graded graded;
    std::string item;  // feedItem, deviationItem or overflowItem, said
};

// The score of an attempt at a code's exercises: every answer as it was
// marked, in order, against the fixed number of answers the code asks.
// An answer is kept as what to say, so that its texts are read in the
// language spoken when read: a switch of language says the score again.
class ExerciseScore {
public:
    explicit ExerciseScore(std::size_t total = 0) : total_(total) {}

    void add(AnsweredStep step) {
        steps_.push_back([step = std::move(step)] { return step; });
    }
    // An answer whose texts `say` makes each time it is read.
    void add(std::function<AnsweredStep()> say) { steps_.push_back(std::move(say)); }

    std::vector<AnsweredStep> steps() const;
    std::size_t rights() const;
    // The answers the code asks in all, answered or not: the same for every
    // attempt at the code.
    std::size_t total() const { return total_; }
    // The answers marked wrong, for going over them at the end.
    std::vector<AnsweredStep> wrong() const;
    // "答对 7 / 9": the right answers of the total.
    std::string scoreText() const;

private:
    std::size_t total_;
    std::vector<std::function<AnsweredStep()>> steps_;
};

}  // namespace tarvo::teach
