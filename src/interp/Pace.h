#pragma once

#include <cstdint>

namespace tarvo::interp {

// How fast a shell's clock runs the machine: `ticks` virtual milliseconds
// (timer ticks) for every `milliseconds` of wall time. No ticks at all means
// no limit: as many as the machine makes while the shell stays responsive.
struct Pace {
    std::int64_t ticks = 1;
    std::int64_t milliseconds = 1;

    bool unlimited() const { return ticks == 0; }
    bool operator==(const Pace&) const = default;
};

// The simulated timers' own rate: one tick per millisecond.
inline constexpr Pace standardPace{};

}  // namespace tarvo::interp
