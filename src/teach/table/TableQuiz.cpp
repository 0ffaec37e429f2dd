#include "teach/table/TableQuiz.h"

#include "teach/exercises/TypedText.h"
#include "teach/table/TableMarks.h"

namespace tarvo::teach {

void TableQuiz::setOn(bool on) {
    refused_ = false;
    sheet_.setOn(on);
}

// The notice spoke of a row of the last run.
void TableQuiz::freshRun() {
    refused_ = false;
    sheet_.clear();
}

void TableQuiz::stepped(std::uint64_t from) {
    refused_ = false;
    sheet_.stepped(from);
}

void TableQuiz::steppedBack() {
    sheet_.follow();
}

std::optional<TableQuiz::Question> TableQuiz::question() const {
    const std::optional<std::uint64_t> serial = sheet_.question();
    if (!serial) return std::nullopt;
    const AnswerSheet::Answers& answers = *sheet_.answersOf(*serial);
    return Question{*serial, answers.form, answers.form != AnswerForm::Overflow && !answers.feed,
                    answers.form == AnswerForm::FeedAndDeviation && !answers.deviation};
}

TableQuiz::Typed TableQuiz::typedDeviation(std::string_view typed) {
    refused_ = false;
    typed = trimmedText(typed);
    if (typed.empty()) return Typed::Blank;
    const std::optional<std::int64_t> value = teach::typedDeviation(typed);
    if (!value) {
        refused_ = true;
        return Typed::Refused;
    }
    return sheet_.answerDeviation(*value) ? Typed::Marked : Typed::Unasked;
}

bool TableQuiz::answerFeed(motion::PulseFeed feed, std::string_view typedDeviation) {
    const Typed typed = this->typedDeviation(typedDeviation);
    if (typed == Typed::Refused) return false;
    const bool fed = sheet_.answerFeed(feed).has_value();
    return fed || typed == Typed::Marked;
}

bool TableQuiz::answerDeviation(std::string_view typed) {
    return typedDeviation(typed) == Typed::Marked;
}

bool TableQuiz::answerOverflow(bool x, bool y) {
    refused_ = false;
    return sheet_.answerOverflow(x, y).has_value();
}

TableQuiz::ScoreLine TableQuiz::scoreLine() const {
    if (refused_) return {std::string(deviationRefused()), true, true};
    return {scoreText(sheet_), sheet_.on() || sheet_.given() > 0, false};
}

}  // namespace tarvo::teach
