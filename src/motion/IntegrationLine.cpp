#include "motion/IntegrationLine.h"

#include <algorithm>
#include <cstdlib>

#include "motion/RegisterWidth.h"

namespace tarvo::motion {

IntegrationLine::IntegrationLine(PulsePoint end, bool halfLoad, int bits) : end_(end) {
    requireWithinReach(end);
    const std::int64_t largest = std::max(std::llabs(end.x), std::llabs(end.y));
    bits_ = registerBits(largest, bits);
    jrx_ = jry_ = halfLoad ? capacity() / 2 : 0;
    left_ = largest == 0 ? 0 : capacity();
}

IntegrationStep IntegrationLine::next() {
    IntegrationStep step;
    step.number = ++number_;
    step.point = point_;
    step.capacity = capacity();
    step.jvx = std::llabs(end_.x);
    step.jvy = std::llabs(end_.y);
    step.jrx = jrx_;
    step.jry = jry_;
    jrx_ += step.jvx;
    jry_ += step.jvy;
    step.overflowX = jrx_ >= capacity();
    step.overflowY = jry_ >= capacity();
    if (step.overflowX) jrx_ -= capacity(), step.feed.x = end_.x < 0 ? -1 : 1;
    if (step.overflowY) jry_ -= capacity(), step.feed.y = end_.y < 0 ? -1 : 1;
    point_.x += step.feed.x;
    point_.y += step.feed.y;
    step.jrxAfter = jrx_;
    step.jryAfter = jry_;
    step.sigmaX = step.sigmaY = --left_;
    return step;
}

}  // namespace tarvo::motion
