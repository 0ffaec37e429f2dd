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

}  // namespace tarvo::interp
