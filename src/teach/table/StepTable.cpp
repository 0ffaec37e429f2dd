#include "teach/table/StepTable.h"

#include <algorithm>
#include <iterator>
#include <variant>

#include "interp/Machine.h"
#include "motion/Overloaded.h"
#include "teach/table/SkippedSegment.h"

namespace tarvo::teach {

StepTable::StepTable(interp::Machine& machine, std::size_t capacity)
    : machine_(machine), rows_(capacity), pulses_(capacity) {
    machine_.addStepObserver(this);
    machine_.addTickListener(this);
}

StepTable::~StepTable() {
    machine_.removeStepObserver(this);
    machine_.removeTickListener(this);
}

namespace {

// A textbook DDA's registers hold half the capacity before its first
// iteration when half loaded, and nothing otherwise.
bool startsHalfFull(const motion::StepRecord& record) {
    if (!record.pulses) return false;
    return std::visit(motion::Overloaded{[](const motion::ComparisonStep&) { return false; },
                                         [](const motion::IntegrationStep& s) {
                                             return s.number == 1 && s.jrx == s.capacity / 2;
                                         }},
                      *record.pulses);
}

}  // namespace

void StepTable::interpolated(const motion::StepRecord& record, const motion::Segment& segment) {
    // The interpolator counts the iterations of each segment from 1; a
    // skipped segment's row has number 0.
    if (record.number <= 1 || segments_.empty()) {
        segments_.push_back({end_, segment, textbookSegment(segment, machine_.dlstep()),
                             record.before, startsHalfFull(record)});
    }
    // The registers the oldest row found: its own when it is the only one,
    // the dropped row's after when it takes that row's place.
    if (rows_.empty()) oldestBefore_ = record.before;
    if (rows_.size() == rows_.capacity()) oldestBefore_ = rows_[0].after;
    // The iteration is made within a tick, before the tick's listeners are told of it.
    rows_.push_back({record.after,
                     record.point,
                     record.number,
                     ticks_ + 1,
                     {record.feed[0], record.feed[1], record.feed[2]},
                     record.method,
                     record.interpolation,
                     record.pulses.has_value(),
                     record.skipped});
    if (record.pulses) pulses_.push_back({end_, *record.pulses});
    ++end_;
    while (segments_.size() > 1 && segments_[1].first <= firstSerial()) segments_.pop_front();
}

void StepTable::skipped(const motion::Segment& segment) {
    interpolated(skippedRecord(segment), segment);
}

void StepTable::runStarted() {
    rows_.clear();
    pulses_.clear();
    segments_.clear();
    ticks_ = 0;
}

bool StepTable::rewound(std::uint64_t runTicks) {
    while (!rows_.empty() && rows_.back().tick > runTicks) {
        rows_.pop_back();
        --end_;
    }
    while (!pulses_.empty() && pulses_.back().first >= end_) pulses_.pop_back();
    while (!segments_.empty() && segments_.back().first >= end_) segments_.pop_back();
    ticks_ = runTicks;
    return true;
}

std::uint64_t StepTable::segmentSerial() const {
    return rows_.empty() ? end_ : std::max(segments_.back().first, firstSerial());
}

const StepTable::SegmentRows& StepTable::segmentOf(std::uint64_t serial) const {
    const auto later =
        std::upper_bound(segments_.begin(), segments_.end(), serial,
                         [](std::uint64_t s, const SegmentRows& rows) { return s < rows.first; });
    return *std::prev(later);
}

motion::StepRecord StepTable::at(std::uint64_t serial) const {
    const auto index = static_cast<std::size_t>(serial - firstSerial());
    const Row& row = rows_[index];
    const SegmentRows& rows = segmentOf(serial);
    const motion::Segment& s = rows.segment;
    motion::StepRecord r;
    r.line = s.line;
    r.number = row.number;
    r.method = row.method;
    r.gmode = s.gmode;
    r.before = serial == rows.first ? rows.before
               : index == 0         ? oldestBefore_
                                    : rows_[index - 1].after;
    r.after = row.after;
    r.regmax = s.regmax;
    std::copy_n(row.feed, 3, r.feed);
    r.point = row.point;
    r.distance2 = motion::Squared::of(s.xe * 10 - row.point.x) +
                  motion::Squared::of(s.ye * 10 - row.point.y) +
                  motion::Squared::of(s.ze * 10 - row.point.z);
    r.interpolation = row.interpolation;
    if (row.pulses) r.pulses = pulsesOf(serial);
    r.skipped = row.skipped;
    return r;
}

// The kept textbook iterations go by serial: the row's is found by halving.
const motion::PulseIteration& StepTable::pulsesOf(std::uint64_t serial) const {
    std::size_t low = 0, high = pulses_.size();
    while (high - low > 1) {
        const std::size_t middle = low + (high - low) / 2;
        (pulses_[middle].first <= serial ? low : high) = middle;
    }
    return pulses_[low].second;
}

TextbookStep StepTable::textbookAt(std::uint64_t serial) const {
    return {at(serial), segmentOf(serial).textbook};
}

}  // namespace tarvo::teach
