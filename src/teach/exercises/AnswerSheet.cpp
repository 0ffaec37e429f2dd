#include "teach/exercises/AnswerSheet.h"

#include <algorithm>
#include <charconv>

#include "teach/table/StepTable.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

bool AnswerSheet::Answers::complete() const {
    switch (form) {
        case AnswerForm::FeedAndDeviation:
            return feed && deviation;
        case AnswerForm::Feed:
            return feed.has_value();
        case AnswerForm::Overflow:
            return overflow.has_value();
    }
    return true;
}

void AnswerSheet::setOn(bool on) {
    on_ = on;
    if (on) return;
    for (auto& [serial, answers] : rows_) answers.shown = true;
}

void AnswerSheet::stepped(std::uint64_t from) {
    follow();
    from = std::max(from, table_.firstSerial());
    if (from >= table_.endSerial()) return;
    rows_.erase(rows_.lower_bound(placeOf(from)), rows_.end());
    if (!on_) return;
    for (std::uint64_t serial = from; serial < table_.endSerial(); ++serial) {
        rows_[placeOf(serial)].form = answerForm(table_.at(serial));
    }
}

void AnswerSheet::follow() {
    if (table_.empty()) {
        rows_.clear();
        return;
    }
    rows_.erase(rows_.begin(), rows_.lower_bound(placeOf(table_.firstSerial())));
    rows_.erase(rows_.upper_bound(placeOf(table_.endSerial() - 1)), rows_.end());
}

AnswerSheet::Place AnswerSheet::placeOf(std::uint64_t serial) const {
    const std::uint64_t tick = table_.tickOf(serial);
    std::uint64_t first = serial;
    while (first > table_.firstSerial() && table_.tickOf(first - 1) == tick) --first;
    return {tick, serial - first};
}

// The rows' ticks never go down, so the row is found by halving.
std::optional<std::uint64_t> AnswerSheet::serialOf(Place place) const {
    std::uint64_t low = table_.firstSerial(), high = table_.endSerial();
    while (low < high) {
        const std::uint64_t middle = low + (high - low) / 2;
        if (table_.tickOf(middle) < place.tick) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    const std::uint64_t serial = low + place.within;
    if (serial >= table_.endSerial() || table_.tickOf(serial) != place.tick) return std::nullopt;
    return serial;
}

bool AnswerSheet::hidden(std::uint64_t serial) const {
    const Answers* answers = answersOf(serial);
    return on_ && answers && !answers->shown && !answers->complete();
}

std::optional<std::uint64_t> AnswerSheet::question() const {
    if (!on_) return std::nullopt;
    for (const auto& [place, answers] : rows_) {
        if (!answers.shown && !answers.complete()) return serialOf(place);
    }
    return std::nullopt;
}

AnswerSheet::Answers* AnswerSheet::asked() {
    const std::optional<std::uint64_t> serial = question();
    return serial ? &rows_.at(placeOf(*serial)) : nullptr;
}

TextbookStep AnswerSheet::questionStep() const {
    return table_.textbookAt(*question());
}

const AnswerSheet::Answers* AnswerSheet::answersOf(std::uint64_t serial) const {
    // Looked up for every cell the table paints: most runs ask nothing.
    if (rows_.empty() || serial < table_.firstSerial() || serial >= table_.endSerial()) {
        return nullptr;
    }
    const auto found = rows_.find(placeOf(serial));
    return found == rows_.end() ? nullptr : &found->second;
}

std::optional<Graded> AnswerSheet::answerFeed(motion::PulseFeed feed) {
    Answers* answers = asked();
    if (!answers || answers->form == AnswerForm::Overflow || answers->feed) return std::nullopt;
    answers->feed = gradeRowFeed(questionStep(), feed);
    return answers->feed;
}

std::optional<Graded> AnswerSheet::answerDeviation(std::int64_t deviation) {
    Answers* answers = asked();
    if (!answers || answers->form != AnswerForm::FeedAndDeviation || answers->deviation) {
        return std::nullopt;
    }
    answers->deviation = gradeRowDeviation(questionStep(), deviation);
    return answers->deviation;
}

std::optional<Graded> AnswerSheet::answerOverflow(bool x, bool y) {
    Answers* answers = asked();
    if (!answers || answers->form != AnswerForm::Overflow) return std::nullopt;
    answers->overflow = gradeRowOverflow(questionStep(), x, y);
    return answers->overflow;
}

int AnswerSheet::given() const {
    int count = 0;
    for (const auto& [serial, answers] : rows_) {
        count +=
            answers.feed.has_value() + answers.deviation.has_value() + answers.overflow.has_value();
    }
    return count;
}

int AnswerSheet::right() const {
    int count = 0;
    for (const auto& [serial, a] : rows_) {
        count += (a.feed && a.feed->right) + (a.deviation && a.deviation->right) +
                 (a.overflow && a.overflow->right);
    }
    return count;
}

std::string markText(const Graded& graded) {
    if (graded.right) return "✓ " + graded.answer;
    return words::fill("✗ 答 {1}，应为 {2}", {graded.answer, graded.expected});
}

std::string answersText(const AnswerSheet::Answers& answers) {
    std::string marks;
    const Graded* first = nullptr;
    for (const auto& [name, graded] :
         {std::pair{"进给", &answers.feed}, std::pair{"新偏差", &answers.deviation},
          std::pair{"溢出", &answers.overflow}}) {
        if (!*graded) continue;
        if (!first) first = &**graded;
        const std::string mark = words::fill("{1} {2}", {words::say(name), markText(**graded)});
        marks = marks.empty() ? mark : words::fill("{1}；{2}", {marks, mark});
    }
    return first ? marks + "\n" + first->explanation : std::string();
}

std::optional<std::int64_t> typedDeviation(std::string_view typed) {
    constexpr std::string_view spaces = " \t", trueMinus = "\u2212";
    const std::size_t begin = typed.find_first_not_of(spaces);
    if (begin == std::string_view::npos) return std::nullopt;
    typed = typed.substr(begin, typed.find_last_not_of(spaces) + 1 - begin);
    bool negative = false;
    if (typed.starts_with(trueMinus)) {
        negative = true;
        typed.remove_prefix(trueMinus.size());
    } else if (typed.starts_with('-') || typed.starts_with('+')) {
        negative = typed.front() == '-';
        typed.remove_prefix(1);
    }
    std::uint64_t magnitude = 0;
    const char* last = typed.data() + typed.size();
    const auto [end, error] = std::from_chars(typed.data(), last, magnitude);
    if (typed.empty() || error != std::errc{} || end != last) return std::nullopt;
    constexpr std::uint64_t largest = std::uint64_t{1} << 62;  // far beyond any F of ±10⁹ pulses
    if (magnitude > largest) return std::nullopt;
    const auto value = static_cast<std::int64_t>(magnitude);
    return negative ? -value : value;
}

}  // namespace tarvo::teach
