#include "teach/exercises/ExerciseRound.h"

#include <stdexcept>
#include <utility>

#include "motion/Overloaded.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

using motion::ComparisonStep;
using motion::IntegrationStep;
using motion::Overloaded;

motion::PulsePoint fedFrom(motion::PulsePoint point, motion::PulseFeed feed) {
    return {point.x + feed.x, point.y + feed.y};
}

motion::PulsePoint pointAfter(const motion::PulseIteration& iteration) {
    return std::visit(
        Overloaded{[](const ComparisonStep& step) { return fedFrom(step.point, step.feed); },
                   [](const IntegrationStep& step) { return fedFrom(step.point, step.feed); }},
        iteration);
}

// The answers an iteration asks, each marked as skipped.
std::vector<AnsweredStep> skipped(std::size_t number, const Exercise& exercise,
                                  const motion::PulseIteration& iteration) {
    return std::visit(
        Overloaded{[&](const ComparisonStep& step) -> std::vector<AnsweredStep> {
                       return {{number, exercise.text(), step.number,
                                unanswered(gradeFeed(exercise, step, step.feed)),
                                std::string(words::say(feedItem))},
                               {number, exercise.text(), step.number,
                                unanswered(gradeDeviation(exercise, step, step.fAfter)),
                                std::string(words::say(deviationItem))}};
                   },
                   [&](const IntegrationStep& step) -> std::vector<AnsweredStep> {
                       return {{number, exercise.text(), step.number,
                                unanswered(gradeOverflow(step, step.overflowX, step.overflowY)),
                                std::string(words::say(overflowItem))}};
                   }},
        iteration);
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

std::int64_t ExerciseRound::askedNumber() const {
    return std::visit(Overloaded{[](const ComparisonStep& s) { return s.number; },
                                 [](const IntegrationStep& s) { return s.number; }},
                      *asked_);
}

// The answer is marked again each time the score is read: the same marks,
// in the words of the language spoken then.
void ExerciseRound::record(std::int64_t iteration, std::function<Graded()> grade,
                           const char* item) {
    score_.add(
        [number = number(), exercise = exercise(), iteration, grade = std::move(grade), item] {
            return AnsweredStep{number, exercise.text(), iteration, grade(),
                                std::string(words::say(item))};
        });
}

void ExerciseRound::advance() {
    path_.push_back(pointAfter(*asked_));
    asked_.reset();
    if (!stepper_->finished()) asked_ = stepper_->next();
}

std::vector<Graded> ExerciseRound::answerComparison(motion::PulseFeed feed,
                                                    std::optional<std::int64_t> deviation) {
    const ComparisonStep& step = std::visit(
        Overloaded{[](const ComparisonStep& s) -> const ComparisonStep& { return s; },
                   [](const IntegrationStep&) -> const ComparisonStep& {
                       throw std::logic_error("digital integration asks which registers overflow");
                   }},
        *asked_);
    std::vector<Graded> marked = gradeComparison(exercise(), step, feed, deviation);
    const auto part = [exercise = exercise(), step, feed, deviation](std::size_t i) {
        return [=] { return gradeComparison(exercise, step, feed, deviation)[i]; };
    };
    record(step.number, part(0), feedItem);
    record(step.number, part(1), deviationItem);
    advance();
    return marked;
}

Graded ExerciseRound::answerIntegration(bool x, bool y) {
    const IntegrationStep& step =
        std::visit(Overloaded{[](const ComparisonStep&) -> const IntegrationStep& {
                                  throw std::logic_error("point-by-point comparison asks the feed");
                              },
                              [](const IntegrationStep& s) -> const IntegrationStep& { return s; }},
                   *asked_);
    Graded graded = gradeOverflow(step, x, y);
    record(
        step.number, [step, x, y] { return gradeOverflow(step, x, y); }, overflowItem);
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
