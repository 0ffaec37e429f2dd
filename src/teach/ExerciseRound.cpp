#include "teach/ExerciseRound.h"

#include <utility>

namespace tarvo::teach {

namespace {

motion::PulsePoint pointAfter(const motion::PulseIteration& iteration) {
    return std::visit(
        [](const auto& step) {
            return motion::PulsePoint{step.point.x + step.feed.x, step.point.y + step.feed.y};
        },
        iteration);
}

// The answers an iteration asks, each marked as skipped.
std::vector<AnsweredStep> skipped(std::size_t number, const Exercise& exercise,
                                  const motion::PulseIteration& iteration) {
    if (const auto* step = std::get_if<motion::ComparisonStep>(&iteration)) {
        return {{number, exercise.text(), step->number,
                 unanswered(gradeFeed(exercise, *step, step->feed)), feedItem},
                {number, exercise.text(), step->number,
                 unanswered(gradeDeviation(exercise, *step, step->fAfter)), deviationItem}};
    }
    const auto& step = std::get<motion::IntegrationStep>(iteration);
    return {{number, exercise.text(), step.number,
             unanswered(gradeOverflow(step, step.overflowX, step.overflowY)), overflowItem}};
}

void append(std::vector<AnsweredStep>& rows, std::vector<AnsweredStep> more) {
    for (AnsweredStep& row : more) rows.push_back(std::move(row));
}

// Every answer the exercises ask: two an iteration by comparison, one by integration.
std::size_t answersAsked(const std::vector<Exercise>& exercises) {
    std::size_t total = 0;
    for (const Exercise& e : exercises) {
        const std::size_t each = e.method == motion::Method::Comparison ? 2 : 1;
        for (motion::PulseStepper stepper = e.stepper(); !stepper.finished(); stepper.next()) {
            total += each;
        }
    }
    return total;
}

}  // namespace

ExerciseRound::ExerciseRound(const ExerciseCode& code, ExerciseAttempt attempt)
    : attempt_(std::move(attempt)), exercises_(code.exercises()), score_(answersAsked(exercises_)) {
    attempt_.code = code.text();
    begin();
}

void ExerciseRound::begin() {
    stepper_.emplace(exercise().stepper());
    path_ = {stepper_->point()};
    motion::PulseStepper ahead = *stepper_;
    wholePath_ = path_;
    while (!ahead.finished()) wholePath_.push_back(pointAfter(ahead.next()));
    asked_.reset();
    if (!stepper_->finished()) asked_ = stepper_->next();
}

void ExerciseRound::record(std::int64_t iteration, const Graded& graded, const char* item) {
    score_.add({number(), exercise().text(), iteration, graded, item});
}

void ExerciseRound::advance() {
    path_.push_back(pointAfter(*asked_));
    asked_.reset();
    if (!stepper_->finished()) asked_ = stepper_->next();
}

std::vector<Graded> ExerciseRound::answerComparison(motion::PulseFeed feed,
                                                    std::optional<std::int64_t> deviation) {
    const auto& step = std::get<motion::ComparisonStep>(*asked_);
    std::vector<Graded> marked{gradeFeed(exercise(), step, feed),
                               deviation ? gradeDeviation(exercise(), step, *deviation)
                                         : teach::unanswered(gradeDeviation(exercise(), step, 0))};
    record(step.number, marked[0], feedItem);
    record(step.number, marked[1], deviationItem);
    advance();
    return marked;
}

Graded ExerciseRound::answerIntegration(bool x, bool y) {
    const auto& step = std::get<motion::IntegrationStep>(*asked_);
    Graded graded = gradeOverflow(step, x, y);
    record(step.number, graded, overflowItem);
    advance();
    return graded;
}

void ExerciseRound::nextExercise() {
    if (!exerciseDone() || finished()) return;
    ++index_;
    begin();
}

std::vector<AnsweredStep> ExerciseRound::unanswered() const {
    std::vector<AnsweredStep> rows;
    if (asked_) {
        append(rows, skipped(number(), exercise(), *asked_));
        for (motion::PulseStepper ahead = *stepper_; !ahead.finished();) {
            append(rows, skipped(number(), exercise(), ahead.next()));
        }
    }
    for (std::size_t i = index_ + 1; i < exercises_.size(); ++i) {
        for (motion::PulseStepper ahead = exercises_[i].stepper(); !ahead.finished();) {
            append(rows, skipped(i + 1, exercises_[i], ahead.next()));
        }
    }
    return rows;
}

}  // namespace tarvo::teach
