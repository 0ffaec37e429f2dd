#include "interp/ClockDriver.h"

#include "interp/Machine.h"

namespace tarvo::interp {

ClockDriver::Finish ClockDriver::runToEnd(std::uint64_t maxTicks) {
    const std::uint64_t first = machine_.timer1Ticks() + machine_.timer2Ticks();
    const std::uint64_t limit = maxTicks > UINT64_MAX - first ? UINT64_MAX : first + maxTicks;
    machine_.advanceMany(UINT64_MAX, limit);
    return machine_.advancing() ? Finish::TickLimit : Finish::Idle;
}

std::uint64_t ClockDriver::catchUp(std::uint64_t dueMilliseconds) {
    return machine_.advanceMany(dueMilliseconds, UINT64_MAX);
}

}  // namespace tarvo::interp
