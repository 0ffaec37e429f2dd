#pragma once

#include <cstdint>
#include <string>

#include "interp/Parameters.h"
#include "interp/Timer.h"
#include "motion/Interpolator.h"
#include "motion/Segment.h"

namespace tarvo::interp {

// Where a fresh run started from: its program and parameters, and the state
// the previous run left behind that Run does not reset (the current point,
// the tick phase, the registers, a Timer2 still on) with the tick counters.
// The machine is deterministic, so a run replayed from here passes through
// exactly the same states again.
struct RunOrigin {
    std::string program;
    Parameters parameters;
    motion::Interpolator::Scalars engine;
    motion::Segment segment;
    motion::Registers registers;
    Timer timer1, timer2;
    std::uint64_t timer1Ticks = 0, timer2Ticks = 0;
    std::uint64_t stepTickAt = 0;  // timer ticks made when the latest step tick was over
};

}  // namespace tarvo::interp
