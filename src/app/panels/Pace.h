#pragma once

#include <QtGlobal>

namespace tarvo::app {

// How fast the window's clock runs the machine: `ticks` virtual milliseconds
// (timer ticks) for every `milliseconds` of wall time. No ticks at all means
// no limit: as many as the machine makes while the window stays responsive.
struct Pace {
    qint64 ticks = 1;
    qint64 milliseconds = 1;

    bool unlimited() const { return ticks == 0; }
    bool operator==(const Pace&) const = default;
};

// The simulated timers' own rate: one tick per millisecond.
inline constexpr Pace standardPace{};

}  // namespace tarvo::app
