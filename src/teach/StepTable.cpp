#include "teach/StepTable.h"

#include <algorithm>
#include <iterator>

#include "interp/Machine.h"

namespace tarvo::teach {

StepTable::StepTable(interp::Machine& machine, std::size_t capacity)
    : machine_(machine), rows_(capacity), rowTicks_(capacity) {
    machine_.addStepObserver(this);
    machine_.addTickListener(this);
}

StepTable::~StepTable() {
    machine_.removeStepObserver(this);
    machine_.removeTickListener(this);
}

void StepTable::interpolated(const motion::StepRecord& record, const motion::Segment& segment) {
    // The interpolator counts the iterations of each segment from 1.
    if (record.number == 1 || segments_.empty()) {
        segments_.emplace_back(end_, textbookSegment(segment, machine_.dlstep()));
    }
    rows_.push_back(record);
    // The iteration is made within a tick, before the tick's listeners are told of it.
    rowTicks_.push_back(ticks_ + 1);
    ++end_;
    while (segments_.size() > 1 && segments_[1].first <= firstSerial()) segments_.pop_front();
}

void StepTable::runStarted() {
    rows_.clear();
    rowTicks_.clear();
    segments_.clear();
    ticks_ = 0;
}

bool StepTable::rewound(std::uint64_t runTicks) {
    while (!rowTicks_.empty() && rowTicks_.back() > runTicks) {
        rows_.pop_back();
        rowTicks_.pop_back();
        --end_;
    }
    while (!segments_.empty() && segments_.back().first >= end_) segments_.pop_back();
    ticks_ = runTicks;
    return true;
}

std::uint64_t StepTable::segmentSerial() const {
    return rows_.empty() ? end_ : std::max(segments_.back().first, firstSerial());
}

TextbookStep StepTable::textbookAt(std::uint64_t serial) const {
    const auto later =
        std::upper_bound(segments_.begin(), segments_.end(), serial,
                         [](std::uint64_t s, const auto& segment) { return s < segment.first; });
    return {at(serial), std::prev(later)->second};
}

}  // namespace tarvo::teach
