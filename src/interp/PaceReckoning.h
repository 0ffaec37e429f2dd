#pragma once

#include <cstdint>

#include "interp/Pace.h"

namespace tarvo::interp {

// The ticks a shell's clock owes the machine, reckoned from the wall time
// since the run (or the pace) began, so a slow pace keeps time over a long
// run and a late frame advances every tick that is due. Never more than a
// short burst at once, though: a shell that stalled lets the excess go
// rather than turn it into a rush of pulses.
class PaceReckoning {
public:
    static constexpr std::int64_t maxBurst = 50;  // wall milliseconds caught up at once

    // Starts reckoning afresh, from a wall clock now at zero.
    void restart() { done_ = 0; }

    // The ticks due after `elapsed` wall milliseconds; for no limit, as many
    // as a 64-bit count holds.
    std::int64_t due(std::int64_t elapsed, Pace pace);

    // Counts ticks the machine made as dealt with.
    void made(std::int64_t ticks) { done_ += ticks; }

private:
    std::int64_t done_ = 0;  // ticks due and dealt with (or let go) since the restart
};

}  // namespace tarvo::interp
