#include "motion/ComparisonLine.h"

#include <cstdlib>

namespace tarvo::motion {

namespace {

std::int8_t away(std::int64_t v) {
    return v < 0 ? -1 : 1;
}

}  // namespace

ComparisonLine::ComparisonLine(PulsePoint end) : end_(end) {
    requireWithinReach(end);
    sigma_ = std::llabs(end.x) + std::llabs(end.y);
}

int ComparisonLine::quadrant() const {
    if (end_.x > 0 && end_.y >= 0) return 1;
    if (end_.x <= 0 && end_.y > 0) return 2;
    if (end_.x < 0 && end_.y <= 0) return 3;
    return end_.y < 0 ? 4 : 0;
}

ComparisonStep ComparisonLine::next() {
    ComparisonStep step{++number_, point_, f_, {}, 0, 0};
    if (f_ >= 0 && end_.x != 0) {
        step.feed.x = away(end_.x);
        point_.x += step.feed.x;
        f_ -= std::llabs(end_.y);
    } else {
        step.feed.y = away(end_.y);
        point_.y += step.feed.y;
        f_ += std::llabs(end_.x);
    }
    step.fAfter = f_;
    step.sigma = --sigma_;
    return step;
}

}  // namespace tarvo::motion
