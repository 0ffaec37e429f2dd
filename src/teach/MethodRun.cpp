#include "teach/MethodRun.h"

#include <algorithm>

namespace tarvo::teach {

void MethodRun::interpolated(const motion::StepRecord& record, const motion::Segment& segment) {
    if (record.number == 1) {
        ideal_.push_back(IdealSegment::of(segment));
        path_.segments.push_back({{ideal_.back().start.x, ideal_.back().start.y}});
    }
    ++figures_.iterations;
    std::uint8_t fed = 0;
    for (int axis = 0; axis < 3; ++axis) {
        if (record.feed[axis] == 0) continue;
        ++fed;
        ++figures_.pulses[axis];
    }
    fedAxes_.push_back(fed);
    if (fed == 0) {
        ++figures_.idle;
        return;
    }
    ++figures_.steps;
    const motion::Point3 p = record.point.drawn();
    path_.segments.back().push_back({p.x, p.y});
    const double d = ideal_.back().distance(p) / dlstep_;
    figures_.largestDeviation = std::max(figures_.largestDeviation, d);
    deviationSum_ += d;
}

MethodFigures MethodRun::figures() const {
    MethodFigures f = figures_;
    if (f.steps != 0) f.meanDeviation = deviationSum_ / static_cast<double>(f.steps);
    return f;
}

}  // namespace tarvo::teach
