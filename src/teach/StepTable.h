#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "interp/Timer.h"
#include "motion/StepRecord.h"
#include "teach/RecordRing.h"
#include "teach/TextbookStep.h"

namespace tarvo::interp {
class Machine;
}

namespace tarvo::teach {

// The interpolation iterations of the current run as a textbook table lists
// them: the newest rows up to a bound, the oldest dropped first, where the
// segment now being interpolated begins, and what the textbook's columns
// need of each kept row's segment. A fresh Run empties it;
// resuming a paused run does not. motion::Registers itself with the machine for its
// own lifetime, so it must not outlive the machine.
//
// Rows are named by serial numbers that count every row ever taken in and
// never restart, so a reader can tell what came and what went since it
// last looked. Each row also knows the timer tick of the run it was made in,
// counted as the pulse history counts them, so a row finds its tick there.
class StepTable : public motion::StepObserver, public interp::TickListener {
public:
    static constexpr std::size_t defaultCapacity = 200'000;

    explicit StepTable(interp::Machine& machine, std::size_t capacity = defaultCapacity);
    ~StepTable() override;
    StepTable(const StepTable&) = delete;
    StepTable& operator=(const StepTable&) = delete;

    void interpolated(const motion::StepRecord& record, const motion::Segment& segment) override;
    void ticked(interp::TimerId) override { ++ticks_; }
    void runStarted() override;
    // Drops the rows made after the run's tick runTicks, whatever their
    // capacity left; as an observer it then has nothing more to do.
    bool rewound(std::uint64_t runTicks) override;
    bool rewind(const Mark*) override { return true; }

    // The kept rows are the serials firstSerial() to endSerial() - 1.
    std::uint64_t firstSerial() const { return end_ - rows_.size(); }
    std::uint64_t endSerial() const { return end_; }
    // The first kept row of the newest segment; endSerial() while none is kept.
    std::uint64_t segmentSerial() const;
    const motion::StepRecord& at(std::uint64_t serial) const {
        return rows_[serial - firstSerial()];
    }

    // The timer tick of the run, from 1, in which a kept row's iteration was made.
    std::uint64_t tickOf(std::uint64_t serial) const { return rowTicks_[serial - firstSerial()]; }

    const RecordRing<motion::StepRecord>& rows() const { return rows_; }
    // The kept row as the textbook lists it.
    TextbookStep textbookAt(std::uint64_t serial) const;

private:
    interp::Machine& machine_;
    RecordRing<motion::StepRecord> rows_;
    RecordRing<std::uint64_t> rowTicks_;  // beside rows_, one for each
    std::uint64_t ticks_ = 0;             // timer ticks of the run told so far
    std::uint64_t end_ = 0;
    // The segments of the kept rows, by the serial of their first iteration.
    std::deque<std::pair<std::uint64_t, TextbookSegment>> segments_;
};

}  // namespace tarvo::teach
