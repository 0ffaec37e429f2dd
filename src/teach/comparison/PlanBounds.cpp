#include "teach/comparison/PlanBounds.h"

#include <algorithm>
#include <cmath>

namespace tarvo::teach {

void PlanBounds::take(double x, double y) {
    if (empty) {
        *this = {x, y, x, y, false};
        return;
    }
    left = std::min(left, x);
    right = std::max(right, x);
    bottom = std::min(bottom, y);
    top = std::max(top, y);
}

void PlanBounds::take(const IdealSegment& s) {
    take(s.start.x, s.start.y);
    take(s.end.x, s.end.y);
    if (!s.arc()) return;
    // An arc bulges beyond its ends where it crosses an axis through its centre.
    const double from = std::atan2(s.start.y - s.cy, s.start.x - s.cx);
    constexpr int pieces = 64;
    for (int i = 1; i < pieces; ++i) {
        const double a = from + s.sweep() * i / pieces;
        take(s.cx + s.radius * std::cos(a), s.cy + s.radius * std::sin(a));
    }
}

double PlanBounds::extent() const {
    return empty ? 0 : std::max(right - left, top - bottom);
}

}  // namespace tarvo::teach
