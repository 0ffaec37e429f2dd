#pragma once

#include <cstdint>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include "support/MachineRecorder.h"

namespace tarvo::test {

// The core's state; a replay redraws and moves the caret, so panel counts and caret are left out.
inline State coreState(const Rig& r) {
    State s = r.now();
    s.points = s.bits = 0;
    s.caret = 0;
    return s;
}

// An uninterrupted run: the state after every tick, and the ticks after each step tick.
struct ReferenceRun : Rig, interp::TickListener {
    std::map<std::uint64_t, State> states;
    std::set<std::uint64_t> stepsAt;
    std::uint64_t stepTicks = 0;

    void start(const std::string& program) {
        machine.addTickListener(this);
        stepTicks = machine.interpolator().stepTicks;
        machine.run(program, withDl(1));
        states[ticksOf(machine)] = coreState(*this);
        finish(machine);
    }
    void ticked(interp::TimerId) override {
        states[ticksOf(machine)] = coreState(*this);
        if (machine.interpolator().stepTicks != stepTicks) stepsAt.insert(ticksOf(machine));
        stepTicks = machine.interpolator().stepTicks;
    }
    // Back from `ticks`: after the latest step tick before it, or the run's start.
    std::uint64_t backFrom(std::uint64_t ticks) const {
        const auto later = stepsAt.lower_bound(ticks);
        return later == stepsAt.begin() ? states.begin()->first : *std::prev(later);
    }
};

}  // namespace tarvo::test
