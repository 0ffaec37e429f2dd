#include "motion/ComparisonArc.h"

namespace tarvo::motion {

ComparisonArc::ComparisonArc(const PulseArc& arc)
    : arc_(arc), point_(arc.start()), sigma_(arc.travel().x + arc.travel().y) {}

PulseFeed ComparisonArc::judged() const {
    // Worked out counter-clockwise: a clockwise arc is its mirror in the X axis.
    const bool cw = arc_.clockwise();
    const int q = counterClockwiseQuadrant({point_.x, cw ? -point_.y : point_.y});
    const std::int8_t sx = q == 0 || q == 3 ? 1 : -1, sy = q < 2 ? 1 : -1;
    // Counter-clockwise, X comes towards the centre in the first and third
    // quadrants, Y in the second and fourth.
    const bool inwardX = q % 2 == 0;
    PulseFeed feed;
    if (f_ >= 0) {
        (inwardX ? feed.x : feed.y) = static_cast<std::int8_t>(inwardX ? -sx : -sy);
    } else {
        (inwardX ? feed.y : feed.x) = inwardX ? sy : sx;
    }
    if (cw) feed.y = static_cast<std::int8_t>(-feed.y);
    return feed;
}

ComparisonStep ComparisonArc::next() {
    ComparisonStep step{++number_, point_, f_, judged(), 0, 0};
    f_ += step.feed.x * (2 * point_.x + step.feed.x) + step.feed.y * (2 * point_.y + step.feed.y);
    point_.x += step.feed.x;
    point_.y += step.feed.y;
    step.fAfter = f_;
    step.sigma = --sigma_;
    return step;
}

}  // namespace tarvo::motion
