#include "teach/exercises/ExerciseSession.h"

#include <algorithm>
#include <variant>

#include "teach/exercises/AnswerSheet.h"
#include "teach/exercises/ExerciseCode.h"
#include "teach/exercises/ExerciseTexts.h"
#include "teach/exercises/TypedText.h"
#include "teach/table/TableMarks.h"

namespace tarvo::teach {

std::string ExerciseSession::drawCode(std::uint64_t entropy) {
    notice_ = nullptr;
    return ExerciseCode::from(entropy).text();
}

bool ExerciseSession::start(std::string_view typedCode, const Student& typed,
                            const std::string& date, const std::string& time) {
    codeRead_.clear();
    if (!ExerciseCode::refusal(typedCode).empty()) {
        notice_ = [typed = std::string(typedCode)] { return ExerciseCode::refusal(typed); };
        return false;
    }
    const ExerciseCode code(typedCode);
    codeRead_ = code.text();
    if (!mayStartOver()) {
        notice_ = [] { return std::string(exerciseNotSaved()); };
        return false;
    }
    const Student student{std::string(trimmedText(typed.name)),
                          std::string(trimmedText(typed.number))};
    const int count = attempts_.begin(code.text(), student);
    round_.emplace(code, ExerciseAttempt{code.text(), student, count, date, time});
    saved_ = true;
    scoreShown_ = false;
    notice_ = nullptr;
    verdict_ = nullptr;
    return true;
}

// Answers not yet exported are never thrown away at one press.
bool ExerciseSession::mayStartOver() {
    if (!round_ || saved_ || warnedOnce_) {
        warnedOnce_ = false;
        return true;
    }
    warnedOnce_ = true;
    return false;
}

ExerciseSession::Asked ExerciseSession::asked() const {
    if (!round_ || round_->exerciseDone()) return Asked::Nothing;
    return std::holds_alternative<motion::IntegrationStep>(round_->asked())
               ? Asked::Overflow
               : Asked::FeedAndDeviation;
}

// The F typed: none when left empty; nothing at all when refused.
std::optional<std::optional<std::int64_t>> ExerciseSession::typed(std::string_view deviation) {
    deviation = trimmedText(deviation);
    if (deviation.empty()) return std::optional<std::int64_t>();
    const std::optional<std::int64_t> value = typedDeviation(deviation);
    if (!value) {
        notice_ = [] { return std::string(deviationRefused()); };
        return std::nullopt;
    }
    return value;
}

bool ExerciseSession::answerFeed(motion::PulseFeed feed, std::string_view typedDeviation) {
    if (asked() != Asked::FeedAndDeviation) return false;
    const auto deviation = typed(typedDeviation);
    if (!deviation) return false;
    const auto step = std::get<motion::ComparisonStep>(round_->asked());
    const Exercise exercise = round_->exercise();
    round_->answerComparison(feed, *deviation);
    answered(step.number, [exercise, step, feed, deviation = *deviation] {
        return gradeComparison(exercise, step, feed, deviation);
    });
    return true;
}

void ExerciseSession::checkDeviation(std::string_view typedDeviation) {
    if (typed(typedDeviation)) notice_ = nullptr;
}

bool ExerciseSession::answerOverflow(bool x, bool y) {
    if (asked() != Asked::Overflow) return false;
    const auto step = std::get<motion::IntegrationStep>(round_->asked());
    round_->answerIntegration(x, y);
    answered(step.number, [step, x, y] { return std::vector<Graded>{gradeOverflow(step, x, y)}; });
    return true;
}

// The marks are made again each time the verdict is read: the same marks,
// said in the language of that moment.
void ExerciseSession::answered(std::int64_t iteration, std::function<std::vector<Graded>()> marks) {
    saved_ = false;
    warnedOnce_ = false;
    notice_ = nullptr;
    const std::vector<Graded> marked = marks();
    verdictRight_ = std::all_of(marked.begin(), marked.end(),
                                [](const Graded& graded) { return graded.right; });
    verdict_ = [iteration, marks = std::move(marks)] { return verdictText(iteration, marks()); };
}

void ExerciseSession::next() {
    if (!round_ || !round_->exerciseDone()) return;
    if (round_->finished()) {
        scoreShown_ = true;
        return;
    }
    round_->nextExercise();
    verdict_ = nullptr;
}

}  // namespace tarvo::teach
