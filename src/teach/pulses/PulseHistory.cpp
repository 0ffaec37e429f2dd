#include "teach/pulses/PulseHistory.h"

#include <algorithm>

#include "interp/Machine.h"

namespace tarvo::teach {

PulseHistory::PulseHistory(interp::Machine& machine, std::size_t capacity)
    : machine_(machine), ring_(std::max<std::size_t>(capacity, 1)) {
    machine_.addTickListener(this);
}

PulseHistory::~PulseHistory() {
    machine_.removeTickListener(this);
}

void PulseHistory::ticked(interp::TimerId timer) {
    // Full: the newest sample takes the place of the oldest.
    // Every tick comes here: the ring wraps by comparison, not division.
    std::size_t slot = first_ + size_;
    if (slot >= ring_.size()) slot -= ring_.size();
    PulseSample& s = ring_[slot];
    if (size_ == ring_.size()) {
        if (++first_ == ring_.size()) first_ = 0;
    } else {
        ++size_;
    }

    s.bits = machine_.outdata().byte();
    s.tick = ++ticks_;
    s.timer = timer;
    // The editor marks the line whose line feed was read last (the first
    // line before any): the line whose motion runs or whose words follow.
    s.line = std::max<std::int64_t>(machine_.interpreter().txtline, 1);
    const motion::Interpolator& engine = machine_.interpolator();
    s.point = {engine.xcur, engine.ycur, engine.zcur};
    ++revision_;
}

void PulseHistory::runStarted() {
    first_ = size_ = 0;
    ticks_ = 0;
    ++revision_;
}

bool PulseHistory::rewound(std::uint64_t runTicks) {
    while (size_ > 0 && newest().tick > runTicks) --size_;
    ticks_ = runTicks;
    ++revision_;
    return true;
}

const PulseSample& PulseHistory::at(std::size_t index) const {
    return ring_[(first_ + index) % ring_.size()];
}

const PulseSample* PulseHistory::find(std::uint64_t tick) const {
    if (size_ == 0 || tick < at(0).tick || tick > newest().tick) return nullptr;
    return &at(static_cast<std::size_t>(tick - at(0).tick));
}

}  // namespace tarvo::teach
