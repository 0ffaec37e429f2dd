#include "web/ExerciseSession.h"

#include <algorithm>
#include <stdexcept>

#include "teach/AnswerSheet.h"
#include "teach/ExerciseCode.h"
#include "teach/ExerciseTexts.h"
#include "teach/TableMarks.h"

namespace tarvo::web {

std::optional<std::string> ExerciseSession::start(std::string_view typedCode,
                                                  const teach::Student& student,
                                                  const std::string& date,
                                                  const std::string& time) {
    std::optional<teach::ExerciseCode> code;
    try {
        code.emplace(typedCode);
    } catch (const std::invalid_argument& refusal) {
        return notice_ = refusal.what();
    }
    if (!mayStartOver()) return notice_ = std::string(teach::exerciseNotSaved);
    const int count = attempts_.begin(code->text(), student);
    round_.emplace(*code, teach::ExerciseAttempt{code->text(), student, count, date, time});
    saved_ = true;
    scoreShown_ = false;
    notice_.clear();
    verdict_.clear();
    return std::nullopt;
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

// The F typed: none when left empty; nothing at all when refused.
std::optional<std::optional<std::int64_t>> ExerciseSession::typed(std::string_view deviation) {
    if (deviation.find_first_not_of(" \t") == std::string_view::npos) {
        return std::optional<std::int64_t>();
    }
    const std::optional<std::int64_t> value = teach::typedDeviation(deviation);
    if (!value) {
        notice_ = std::string(teach::deviationRefused);
        return std::nullopt;
    }
    return value;
}

void ExerciseSession::answerFeed(motion::PulseFeed feed, std::string_view typedDeviation) {
    if (!round_ || round_->exerciseDone()) return;
    if (!std::holds_alternative<motion::ComparisonStep>(round_->asked())) return;
    const auto deviation = typed(typedDeviation);
    if (!deviation) return;
    const std::int64_t iteration = round_->askedNumber();
    answered(iteration, round_->answerComparison(feed, *deviation));
}

void ExerciseSession::checkDeviation(std::string_view typedDeviation) {
    if (typed(typedDeviation)) notice_.clear();
}

void ExerciseSession::answerOverflow(bool x, bool y) {
    if (!round_ || round_->exerciseDone()) return;
    if (!std::holds_alternative<motion::IntegrationStep>(round_->asked())) return;
    const std::int64_t iteration = round_->askedNumber();
    answered(iteration, {round_->answerIntegration(x, y)});
}

void ExerciseSession::answered(std::int64_t iteration, const std::vector<teach::Graded>& marked) {
    saved_ = false;
    warnedOnce_ = false;
    notice_.clear();
    verdict_ = teach::verdictText(iteration, marked);
    verdictRight_ = std::all_of(marked.begin(), marked.end(),
                                [](const teach::Graded& graded) { return graded.right; });
}

void ExerciseSession::next() {
    if (!round_ || !round_->exerciseDone()) return;
    if (round_->finished()) {
        scoreShown_ = true;
        return;
    }
    round_->nextExercise();
    verdict_.clear();
}

}  // namespace tarvo::web
