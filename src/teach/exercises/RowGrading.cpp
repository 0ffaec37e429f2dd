#include "teach/exercises/RowGrading.h"

#include <stdexcept>
#include <variant>

#include "motion/Overloaded.h"
#include "teach/table/RowTexts.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

using motion::ComparisonStep;
using motion::IntegrationStep;
using motion::Overloaded;

const ComparisonStep& comparisonOf(const TextbookStep& step) {
    return std::visit(
        Overloaded{[](const ComparisonStep& s) -> const ComparisonStep& { return s; },
                   [](const IntegrationStep&) -> const ComparisonStep& {
                       throw std::logic_error("digital integration asks which registers overflow");
                   }},
        *step.record.pulses);
}

// The machine's feed in the plane the answers name.
motion::PulseFeed planeFeed(const motion::StepRecord& record) {
    return {record.feed[0], record.feed[1]};
}

// The machine's beats that decide its step: the arc's judgement and new
// deviation, the straight move's sums against the capacity.
std::string machineExplanation(const TextbookStep& step) {
    const RowTexts texts = rowTexts(step);
    if (!step.arc()) return texts.calculation;
    return words::fill("{1}；{2}", {texts.judgement, texts.calculation});
}

}  // namespace

AnswerForm answerForm(const motion::StepRecord& record) {
    if (record.method == motion::Method::Integration) return AnswerForm::Overflow;
    return record.pulses ? AnswerForm::FeedAndDeviation : AnswerForm::Feed;
}

Exercise exerciseOf(const TextbookStep& step) {
    const motion::PulseFigure& figure = step.segment.figure;
    Exercise exercise;
    exercise.method = step.record.method;
    exercise.arc = step.arc();
    exercise.start = figure.start;
    exercise.end = figure.end;
    exercise.clockwise = step.record.gmode == motion::Mode::Clockwise;
    return exercise;
}

Graded gradeRowFeed(const TextbookStep& step, motion::PulseFeed answer) {
    if (step.pulses()) return gradeFeed(exerciseOf(step), comparisonOf(step), answer);
    const motion::PulseFeed feed = planeFeed(step.record);
    return {answer == feed, pulseFeedText(answer), pulseFeedText(feed), machineExplanation(step)};
}

Graded gradeRowDeviation(const TextbookStep& step, std::int64_t answer) {
    if (!step.pulses()) throw std::logic_error("the machine's rows ask no deviation");
    return gradeDeviation(exerciseOf(step), comparisonOf(step), answer);
}

Graded gradeRowOverflow(const TextbookStep& step, bool x, bool y) {
    if (step.pulses()) {
        return std::visit(
            Overloaded{[](const ComparisonStep&) -> Graded {
                           throw std::logic_error("point-by-point comparison asks the feed");
                       },
                       [&](const IntegrationStep& s) { return gradeOverflow(s, x, y); }},
            *step.record.pulses);
    }
    // The machine's registers overflow where it fed; the exercises' grading
    // names and compares them, the table's beats say why.
    IntegrationStep fed;
    fed.overflowX = step.record.feed[0] != 0;
    fed.overflowY = step.record.feed[1] != 0;
    Graded graded = gradeOverflow(fed, x, y);
    graded.explanation = machineExplanation(step);
    return graded;
}

}  // namespace tarvo::teach
