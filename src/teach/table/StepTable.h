#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "interp/Timer.h"
#include "motion/StepRecord.h"
#include "teach/table/RecordRing.h"
#include "teach/table/TextbookStep.h"

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
//
// A row is kept in a few cache lines, so a long run at the fastest pace
// writes little: what its segment tells is kept once a segment, its
// registers before are the row before's after, and a textbook method's
// iteration is kept apart.
class StepTable : public motion::StepObserver, public interp::TickListener {
public:
    static constexpr std::size_t defaultCapacity = 200'000;

    explicit StepTable(interp::Machine& machine, std::size_t capacity = defaultCapacity);
    ~StepTable() override;
    StepTable(const StepTable&) = delete;
    StepTable& operator=(const StepTable&) = delete;

    void interpolated(const motion::StepRecord& record, const motion::Segment& segment) override;
    // A segment the machine leaves out gets one row that says so.
    void skipped(const motion::Segment& segment) override;
    void ticked(interp::TimerId) override { ++ticks_; }
    void runStarted() override;
    // Drops the rows made after the run's tick runTicks, whatever their
    // capacity left; as an observer it then has nothing more to do.
    bool rewound(std::uint64_t runTicks) override;
    bool rewind(const Mark*) override { return true; }

    // The kept rows are the serials firstSerial() to endSerial() - 1.
    std::uint64_t firstSerial() const { return end_ - rows_.size(); }
    std::uint64_t endSerial() const { return end_; }
    std::size_t size() const { return rows_.size(); }
    bool empty() const { return rows_.empty(); }
    // The first kept row of the newest segment; endSerial() while none is kept.
    std::uint64_t segmentSerial() const;
    // A kept row, as the machine told it.
    motion::StepRecord at(std::uint64_t serial) const;
    motion::StepRecord newest() const { return at(end_ - 1); }

    // The timer tick of the run, from 1, in which a kept row's iteration was made.
    std::uint64_t tickOf(std::uint64_t serial) const {
        return rows_[static_cast<std::size_t>(serial - firstSerial())].tick;
    }

    // The kept row as the textbook lists it.
    TextbookStep textbookAt(std::uint64_t serial) const;
    // Whether the registers of a kept row's segment started half full (半加载):
    // told by the textbook stepper's first iteration, not by a setting.
    bool halfLoaded(std::uint64_t serial) const { return segmentOf(serial).halfLoaded; }

private:
    // What a row tells beyond its segment and the row before it.
    struct Row {
        motion::Registers after;
        motion::ToolPoint point;
        std::uint64_t number = 0;
        std::uint64_t tick = 0;
        std::int8_t feed[3] = {};
        motion::Method method = motion::Method::Integration;
        motion::Interpolation interpolation = motion::Interpolation::Machine;
        bool pulses = false;
        bool skipped = false;
    };
    // A segment of the kept rows, from the serial of its first iteration.
    struct SegmentRows {
        std::uint64_t first = 0;
        motion::Segment segment;
        TextbookSegment textbook;
        motion::Registers before;  // as its first iteration found them
        bool halfLoaded = false;
    };
    const SegmentRows& segmentOf(std::uint64_t serial) const;
    const motion::PulseIteration& pulsesOf(std::uint64_t serial) const;

    interp::Machine& machine_;
    RecordRing<Row> rows_;
    // The textbook iterations of the kept rows that have one, by serial.
    RecordRing<std::pair<std::uint64_t, motion::PulseIteration>> pulses_;
    std::deque<SegmentRows> segments_;
    // The registers the oldest kept row found, once the row before it is gone.
    motion::Registers oldestBefore_;
    std::uint64_t ticks_ = 0;  // timer ticks of the run told so far
    std::uint64_t end_ = 0;
};

}  // namespace tarvo::teach
