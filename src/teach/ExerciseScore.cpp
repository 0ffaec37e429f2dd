#include "teach/ExerciseScore.h"

#include <algorithm>
#include <iterator>

namespace tarvo::teach {

namespace {

// A field quoted when it holds a comma, a quote or a line break, its quotes doubled.
std::string field(const std::string& text) {
    if (text.find_first_of(",\"\n\r") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

}  // namespace

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
    return "答对 " + std::to_string(rights()) + " / " + std::to_string(answered());
}

std::string ExerciseScore::csv() const {
    std::string text = "\xEF\xBB\xBF题号,题目,步,作答,应为,对错,说明\n";
    for (const AnsweredStep& s : steps_) {
        text += std::to_string(s.exercise) + ',' + field(s.task) + ',' +
                std::to_string(s.iteration) + ',' + field(s.graded.answer) + ',' +
                field(s.graded.expected) + ',' + (s.graded.right ? "对" : "错") + ',' +
                field(s.graded.explanation) + '\n';
    }
    return text;
}

}  // namespace tarvo::teach
