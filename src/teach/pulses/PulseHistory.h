#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "interp/Timer.h"
#include "motion/StepRecord.h"

namespace tarvo::interp {
class Machine;
}

namespace tarvo::teach {

// What the machine showed right after one timer tick: the pulse diagram's
// record of that tick.
struct PulseSample {
    std::uint64_t tick = 0;   // timer ticks since the run started, from 1
    std::int64_t line = 0;    // program line the editor marks, from 1
    motion::ToolPoint point;  // the tool point, exactly
    std::uint8_t bits = 0;    // the output byte: bit i is outdata(i)
    interp::TimerId timer = interp::TimerId::Interpreter;

    bool bit(int index) const { return ((bits >> index) & 1U) != 0; }
};

// The last `capacity` ticks of the current run, oldest first, for the pulse
// timing diagram. motion::Registers itself with the machine for its own lifetime, so
// it must not outlive the machine. A fresh Run empties it; resuming a paused
// run does not. Each tick costs a constant time and no allocation.
class PulseHistory : public interp::TickListener {
public:
    static constexpr std::size_t defaultCapacity = 65536;

    explicit PulseHistory(interp::Machine& machine, std::size_t capacity = defaultCapacity);
    ~PulseHistory() override;
    PulseHistory(const PulseHistory&) = delete;
    PulseHistory& operator=(const PulseHistory&) = delete;

    void ticked(interp::TimerId timer) override;
    void runStarted() override;
    // Drops the samples of the ticks after runTicks.
    bool rewound(std::uint64_t runTicks) override;

    std::size_t capacity() const { return ring_.size(); }
    std::size_t size() const { return size_; }
    bool empty() const { return size_ == 0; }
    // index 0 is the oldest tick kept, size() - 1 the newest; not past size().
    const PulseSample& at(std::size_t index) const;
    const PulseSample& newest() const { return at(size_ - 1); }
    // The sample of a tick number, or null when the tick is not kept.
    const PulseSample* find(std::uint64_t tick) const;
    // Changes on every tick and every fresh run: a reader that saw the same
    // revision before has nothing new to show.
    std::uint64_t revision() const { return revision_; }

private:
    interp::Machine& machine_;
    std::vector<PulseSample> ring_;
    std::size_t first_ = 0;  // ring index of the oldest sample
    std::size_t size_ = 0;
    std::uint64_t ticks_ = 0;
    std::uint64_t revision_ = 0;
};

}  // namespace tarvo::teach
