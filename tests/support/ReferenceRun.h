#pragma once

#include <cstdint>
#include <functional>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

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

// What a machine did before the run under test: nothing, a run stopped after a step tick (held or
// not), a run ended or stepped to its end, or a run still going.
struct Before {
    const char* name;
    std::function<void(interp::Machine&)> setUp;
    bool idle = true;
};

// The sample run to half-way through its seventh step pulse, held or not, then stopped.
inline void stopAfterAStepTick(interp::Machine& m, bool held) {
    m.run(sampleProgram, withDl(1));
    while (m.interpolator().stepTicks < 7 || m.interpolator().phase != 1) m.advance();
    if (held) m.pause();
    m.stop();
}

inline const std::vector<Before> befores = {
    {"fresh", [](interp::Machine&) {}},
    {"after a stopped run", [](interp::Machine& m) { stopAfterAStepTick(m, false); }},
    {"after a held run stopped", [](interp::Machine& m) { stopAfterAStepTick(m, true); }},
    {"after an ended run", [](interp::Machine& m) { runToEnd(m, sampleProgram); }},
    {"after a run stepped to its end",
     [](interp::Machine& m) {
         m.run(sampleProgram, withDl(1));
         m.pause();
         while (!m.idle()) m.stepPaused(interp::Machine::StepUnit::Line);
     }},
    {"during a run",
     [](interp::Machine& m) {
         m.run(sampleProgram, withDl(1));
         while (!m.timer2().enabled || m.interpolator().stepTicks < 3) m.advance();
     },
     false},
};

}  // namespace tarvo::test
