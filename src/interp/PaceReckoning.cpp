#include "interp/PaceReckoning.h"

#include <algorithm>
#include <limits>

namespace tarvo::interp {

std::int64_t PaceReckoning::due(std::int64_t elapsed, Pace pace) {
    if (pace.unlimited()) return std::numeric_limits<std::int64_t>::max();
    std::int64_t due = elapsed * pace.ticks / pace.milliseconds - done_;
    const std::int64_t burst = std::max<std::int64_t>(1, maxBurst * pace.ticks / pace.milliseconds);
    if (due > burst) {
        done_ += due - burst;
        due = burst;
    }
    return due;
}

}  // namespace tarvo::interp
