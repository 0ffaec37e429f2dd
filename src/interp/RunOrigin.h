#pragma once

#include <cstdint>
#include <string>

#include "interp/Parameters.h"
#include "interp/Timer.h"
#include "motion/Interpolator.h"
#include "motion/Segment.h"

namespace tarvo::interp {

// What one run leaves to the next that Run does not reset: the current
// point, the tick phase, the registers, a Timer2 still on, and the tick
// counters.
struct CarriedState {
    motion::Interpolator::Scalars engine;
    motion::Segment segment;
    motion::Registers registers;
    Timer timer1, timer2;
    std::uint64_t timer1Ticks = 0, timer2Ticks = 0;
    std::uint64_t stepTickAt = 0;  // timer ticks made when the latest step tick was over
};

// Where a fresh run started from. The machine is deterministic, so a run
// replayed from here passes through exactly the same states again.
struct RunOrigin {
    std::string program;
    Parameters parameters;
    CarriedState carried;
};

}  // namespace tarvo::interp
