#include "teach/ExerciseRound.h"

namespace tarvo::teach {

namespace {

motion::PulsePoint pointAfter(const motion::PulseIteration& iteration) {
    return std::visit(
        [](const auto& step) {
            return motion::PulsePoint{step.point.x + step.feed.x, step.point.y + step.feed.y};
        },
        iteration);
}

}  // namespace

ExerciseRound::ExerciseRound(const ExerciseCode& code)
    : code_(code.text()), exercises_(code.exercises()) {
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

void ExerciseRound::record(std::int64_t iteration, const Graded& graded) {
    score_.add({number(), exercise().text(), iteration, graded});
}

void ExerciseRound::advance() {
    path_.push_back(pointAfter(*asked_));
    asked_.reset();
    if (!stepper_->finished()) asked_ = stepper_->next();
}

std::vector<Graded> ExerciseRound::answerComparison(std::optional<motion::PulseFeed> feed,
                                                    std::optional<std::int64_t> deviation) {
    const auto& step = std::get<motion::ComparisonStep>(*asked_);
    std::vector<Graded> marked;
    if (feed) marked.push_back(gradeFeed(exercise(), step, *feed));
    if (deviation) marked.push_back(gradeDeviation(exercise(), step, *deviation));
    for (const Graded& graded : marked) record(step.number, graded);
    advance();
    return marked;
}

Graded ExerciseRound::answerIntegration(bool x, bool y) {
    const auto& step = std::get<motion::IntegrationStep>(*asked_);
    Graded graded = gradeOverflow(step, x, y);
    record(step.number, graded);
    advance();
    return graded;
}

void ExerciseRound::nextExercise() {
    if (!exerciseDone() || finished()) return;
    ++index_;
    begin();
}

}  // namespace tarvo::teach
