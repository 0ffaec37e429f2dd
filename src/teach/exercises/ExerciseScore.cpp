#include "teach/exercises/ExerciseScore.h"

#include <algorithm>
#include <utility>

#include "words/Catalogue.h"

namespace tarvo::teach {

std::vector<AnsweredStep> ExerciseScore::steps() const {
    std::vector<AnsweredStep> said;
    said.reserve(steps_.size());
    for (const auto& say : steps_) said.push_back(say());
    return said;
}

std::size_t ExerciseScore::rights() const {
    const std::vector<AnsweredStep> said = steps();
    return static_cast<std::size_t>(
        std::count_if(said.begin(), said.end(), [](const auto& s) { return s.graded.right; }));
}

std::vector<AnsweredStep> ExerciseScore::wrong() const {
    std::vector<AnsweredStep> out;
    for (AnsweredStep& s : steps()) {
        if (!s.graded.right) out.push_back(std::move(s));
    }
    return out;
}

std::string ExerciseScore::scoreText() const {
    return words::fill("答对 {1} / {2}", {std::to_string(rights()), std::to_string(total_)});
}

}  // namespace tarvo::teach
