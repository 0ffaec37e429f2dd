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
inline State coreState(State s) {
    s.points = s.bits = 0;
    s.caret = 0;
    return s;
}
inline State coreState(const Rig& r) {
    return coreState(r.now());
}

// An uninterrupted run: the core's state by the ticks made so far, and the step ticks among them.
struct ReferenceRun : TracedRun {
    std::map<std::uint64_t, State> states;
    std::set<std::uint64_t> stepsAt;

    void start(const std::string& program, const interp::Parameters& p = withDl(1)) {
        TracedRun::start(program, p);
        states[started.timer1Ticks + started.timer2Ticks] = coreState(started);
        for (const Tick& t : ticks) {
            const std::uint64_t at = t.after.timer1Ticks + t.after.timer2Ticks;
            states[at] = coreState(t.after);
            if (t.stepTick) stepsAt.insert(at);
        }
    }
    // Back from tick `at`: after the latest step tick before it, or the run's start.
    std::uint64_t backFrom(std::uint64_t at) const {
        const auto later = stepsAt.lower_bound(at);
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
