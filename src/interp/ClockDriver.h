#pragma once

#include <cstdint>

namespace tarvo::interp {

class Machine;

// Drives a machine's clock for a shell. The command-line runner runs a whole
// program as fast as it can; the window advances it from its own timer.
class ClockDriver {
public:
    enum class Finish { Idle, TickLimit };

    explicit ClockDriver(Machine& machine) : machine_(machine) {}

    // Advances until no timer ticks any more (program ended, error, or a
    // pause) or until the machine has made at least maxTicks timer ticks;
    // only right after a Run during a run can a millisecond hold two ticks.
    Finish runToEnd(std::uint64_t maxTicks);

    // A window's timer fired: advances the milliseconds that are due (fewer
    // if the run stops or pauses on the way) and says how many it advanced.
    std::uint64_t catchUp(std::uint64_t dueMilliseconds);

private:
    Machine& machine_;
};

}  // namespace tarvo::interp
