#include "interp/ClockDriver.h"

#include "interp/Machine.h"

namespace tarvo::interp {

ClockDriver::Finish ClockDriver::runToEnd(std::uint64_t maxTicks) {
    const std::uint64_t first = machine_.timer1Ticks() + machine_.timer2Ticks();
    while (machine_.advancing()) {
        if (machine_.timer1Ticks() + machine_.timer2Ticks() - first >= maxTicks) {
            return Finish::TickLimit;
        }
        machine_.advance();
    }
    return Finish::Idle;
}

std::uint64_t ClockDriver::catchUp(std::uint64_t dueMilliseconds) {
    std::uint64_t advanced = 0;
    for (; advanced < dueMilliseconds && machine_.advancing(); ++advanced) machine_.advance();
    return advanced;
}

}  // namespace tarvo::interp
