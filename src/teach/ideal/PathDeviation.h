#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "motion/StepRecord.h"
#include "teach/ideal/IdealSegment.h"

namespace tarvo::teach {

// Keeps the exact path of every segment of a run beside the steps that
// approximate it, and how far the step points stray from it: per segment
// and over the run. Distances are internal units (tenths of a millimetre);
// divided by the step length they are pulses.
class PathDeviation : public motion::StepObserver {
public:
    // Enough segments for any program a class writes; a longer run keeps
    // its maxima but no more paths.
    static constexpr std::size_t defaultCapacity = std::size_t{1} << 17;

    explicit PathDeviation(std::size_t capacity = defaultCapacity) : capacity_(capacity) {}

    // A fresh run starts: the last run's record goes.
    void clear();
    void interpolated(const motion::StepRecord& record, const motion::Segment& segment) override;
    std::unique_ptr<Mark> mark() const override;
    bool rewind(const Mark* mark) override;

    // The segments the run has finished, in order, up to the capacity.
    const std::vector<IdealSegment>& finished() const { return finished_; }
    // The segment under way, or the run's last one; null before its first.
    const IdealSegment* current() const { return started_ ? &current_ : nullptr; }
    // The segment of a program line; null when the line moved nothing or its
    // segment was not kept.
    const IdealSegment* ofLine(std::int64_t line) const;
    double runDeviation() const { return runDeviation_; }

    // Grows with every change a picture of the record would show: a new
    // segment, a new maximum, a fresh run.
    std::uint64_t changes() const { return changes_; }

private:
    void startSegment(const motion::Segment& segment);

    std::size_t capacity_;
    std::vector<IdealSegment> finished_;
    IdealSegment current_;
    bool started_ = false;
    double runDeviation_ = 0;
    std::uint64_t changes_ = 0;
};

}  // namespace tarvo::teach
