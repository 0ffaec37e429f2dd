#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "teach/ExerciseGrading.h"

namespace tarvo::teach {

// One answered iteration of an exercise.
struct AnsweredStep {
    std::size_t exercise = 0;  // from 1, in the order the code gave them
    std::string task;          // the exercise's text
    std::int64_t iteration = 0;
    Graded graded;
};

// The score of a round of exercises: every answer as it was marked, in order.
class ExerciseScore {
public:
    void add(AnsweredStep step) { steps_.push_back(std::move(step)); }

    const std::vector<AnsweredStep>& steps() const { return steps_; }
    std::size_t answered() const { return steps_.size(); }
    std::size_t rights() const;
    // The answers marked wrong, for going over them at the end.
    std::vector<AnsweredStep> wrong() const;
    // "答对 7 / 9"
    std::string scoreText() const;
    // Every answer as a CSV table for a spreadsheet: UTF-8 with a byte-order
    // mark, which spreadsheets need to read Chinese, a header line and one
    // line an answer.
    std::string csv() const;

private:
    std::vector<AnsweredStep> steps_;
};

}  // namespace tarvo::teach
