#include "teach/exercises/ExerciseScore.h"

#include <algorithm>
#include <iterator>

#include "words/Catalogue.h"

namespace tarvo::teach {

std::size_t ExerciseScore::rights() const {
    return static_cast<std::size_t>(
        std::count_if(steps_.begin(), steps_.end(), [](const auto& s) { return s.graded.right; }));
}

std::vector<AnsweredStep> ExerciseScore::wrong() const {
    std::vector<AnsweredStep> out;
    std::copy_if(steps_.begin(), steps_.end(), std::back_inserter(out),
                 [](const auto& s) { return !s.graded.right; });
    return out;
}

std::string ExerciseScore::scoreText() const {
    return words::fill("答对 {1} / {2}", {std::to_string(rights()), std::to_string(total_)});
}

}  // namespace tarvo::teach
