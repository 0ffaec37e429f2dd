#include "web/TeachingTools.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tarvo::web {

void TeachingTools::freshRun() {
    quiz_.freshRun();
    clearSelection();
    ++revision_;
}

void TeachingTools::stepped(std::uint64_t from) {
    quiz_.stepped(from);
    ++revision_;
}

void TeachingTools::steppedBack() {
    quiz_.steppedBack();
    clearSelection();
    ++revision_;
}

void TeachingTools::setAnswersOn(bool on) {
    quiz_.setOn(on);
    ++revision_;
}

void TeachingTools::answerFeed(motion::PulseFeed feed, std::string_view typedDeviation) {
    quiz_.answerFeed(feed, typedDeviation);
    ++revision_;
}

void TeachingTools::answerDeviation(std::string_view typed) {
    quiz_.answerDeviation(typed);
    ++revision_;
}

void TeachingTools::answerOverflow(bool x, bool y) {
    quiz_.answerOverflow(x, y);
    ++revision_;
}

std::uint64_t TeachingTools::revision() {
    const std::uint64_t now[3] = {table_.firstSerial(), table_.endSerial(), table_.segmentSerial()};
    if (!std::equal(std::begin(now), std::end(now), std::begin(seen_))) {
        std::copy(std::begin(now), std::end(now), std::begin(seen_));
        ++revision_;
    }
    return revision_;
}

std::optional<std::uint64_t> TeachingTools::select(std::optional<std::uint64_t> serial) {
    const bool kept = serial && *serial >= table_.firstSerial() && *serial < table_.endSerial();
    selected_ = kept ? serial : std::nullopt;
    return selected_;
}

std::optional<std::uint64_t> TeachingTools::selectTick(std::uint64_t tick) {
    // The rows' ticks grow with their serials.
    std::uint64_t low = table_.firstSerial(), high = table_.endSerial();
    while (low < high) {
        const std::uint64_t middle = low + (high - low) / 2;
        if (table_.tickOf(middle) <= tick) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return select(low > table_.firstSerial() ? std::optional(low - 1) : std::nullopt);
}

std::optional<std::uint64_t> TeachingTools::selectLine(std::int64_t line) {
    for (std::uint64_t serial = table_.firstSerial(); serial < table_.endSerial(); ++serial) {
        if (table_.at(serial).line == line) return select(serial);
    }
    return select(std::nullopt);
}

void TeachingTools::clearSelection() {
    if (selected_) selectionCleared_ = true;
    selected_.reset();
}

bool TeachingTools::takeSelectionCleared() {
    return std::exchange(selectionCleared_, false);
}

}  // namespace tarvo::web
