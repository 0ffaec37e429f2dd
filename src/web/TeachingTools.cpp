#include "web/TeachingTools.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "teach/TableMarks.h"

namespace tarvo::web {

void TeachingTools::freshRun() {
    notice_.clear();
    sheet_.clear();
    clearSelection();
    ++revision_;
}

void TeachingTools::stepped(std::uint64_t from) {
    notice_.clear();
    sheet_.stepped(from);
    ++revision_;
}

void TeachingTools::steppedBack() {
    sheet_.follow();
    clearSelection();
    ++revision_;
}

void TeachingTools::setAnswersOn(bool on) {
    notice_.clear();
    sheet_.setOn(on);
    ++revision_;
}

// Nothing typed answers nothing; a refusal leaves its notice.
bool TeachingTools::deviationTyped(std::string_view typed) {
    notice_.clear();
    const bool blank = typed.find_first_not_of(" \t") == std::string_view::npos;
    if (blank) return false;
    const std::optional<std::int64_t> value = teach::typedDeviation(typed);
    if (!value) {
        notice_ = std::string(teach::deviationRefused);
        return false;
    }
    sheet_.answerDeviation(*value);
    ++revision_;
    return true;
}

void TeachingTools::answerFeed(motion::PulseFeed feed, std::string_view typedDeviation) {
    deviationTyped(typedDeviation);
    if (!notice_.empty()) return;
    sheet_.answerFeed(feed);
    ++revision_;
}

void TeachingTools::answerDeviation(std::string_view typed) {
    deviationTyped(typed);
}

void TeachingTools::answerOverflow(bool x, bool y) {
    notice_.clear();
    sheet_.answerOverflow(x, y);
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
