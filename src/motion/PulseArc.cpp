#include "motion/PulseArc.h"

#include <stdexcept>
#include <string>

#include "words/Catalogue.h"

namespace tarvo::motion {

namespace {

std::int64_t squareRootDown(std::int64_t n) {
    std::int64_t r = 0;
    for (std::int64_t bit = std::int64_t{1} << 31; bit > 0; bit >>= 1) {
        if ((r + bit) * (r + bit) <= n) r += bit;
    }
    return r;
}

// A clockwise arc mirrored in the X axis is a counter-clockwise one with the
// same pulses per axis, so the walk is worked out counter-clockwise.
PulsePoint mirrored(PulsePoint p, bool clockwise) {
    return clockwise ? PulsePoint{p.x, -p.y} : p;
}

PulsePoint axisPoint(int quadrant, std::int64_t r) {
    constexpr int dx[] = {1, 0, -1, 0}, dy[] = {0, 1, 0, -1};
    return {dx[quadrant] * r, dy[quadrant] * r};
}

}  // namespace

int counterClockwiseQuadrant(PulsePoint p) {
    if (p.x > 0 && p.y >= 0) return 0;
    if (p.x <= 0 && p.y > 0) return 1;
    if (p.x < 0 && p.y <= 0) return 2;
    return 3;
}

PulseArc::PulseArc(PulsePoint start, PulsePoint end, bool clockwise)
    : start_(start), clockwise_(clockwise) {
    requireWithinReach(start);
    requireWithinReach(end);
    radius2_ = start.x * start.x + start.y * start.y;
    const std::int64_t end2 = end.x * end.x + end.y * end.y;
    if (radius2_ == 0) throw std::invalid_argument(std::string(words::say("圆弧半径为 0")));
    if (end2 != radius2_) {
        throw std::invalid_argument(words::fill("起点与终点不在同一圆上：X²+Y² 为 {1} 与 {2}",
                                                {std::to_string(radius2_), std::to_string(end2)}));
    }
    reach_ = squareRootDown(radius2_);
    const PulsePoint s = mirrored(start, clockwise), e = mirrored(end, clockwise);
    const int first = counterClockwiseQuadrant(s);
    int crossings = (counterClockwiseQuadrant(e) - first + 4) % 4;
    // In one quadrant, an end not strictly ahead of the start goes all round.
    if (crossings == 0 && s.x * e.y - s.y * e.x <= 0) crossings = 4;
    if (crossings > 0 && reach_ * reach_ != radius2_) {
        throw std::invalid_argument(
            words::fill("圆弧过象限时半径须为整数个脉冲：R² = {1}", {std::to_string(radius2_)}));
    }
    PulsePoint at = s;
    const auto walk = [&](PulsePoint to) {
        travel_.x += to.x > at.x ? to.x - at.x : at.x - to.x;
        travel_.y += to.y > at.y ? to.y - at.y : at.y - to.y;
        quarterEnds_.push_back(mirrored(to, clockwise));
        at = to;
    };
    for (int i = 1; i <= crossings; ++i) walk(axisPoint((first + i) % 4, reach_));
    walk(e);
}

}  // namespace tarvo::motion
