#include "teach/IdealSegment.h"

#include <cmath>
#include <numbers>

#include "motion/StepRecord.h"

namespace tarvo::teach {

namespace {

double length(double x, double y, double z) {
    return std::sqrt(x * x + y * y + z * z);
}

}  // namespace

IdealSegment IdealSegment::of(const motion::Segment& s) {
    IdealSegment ideal;
    ideal.line = s.line;
    ideal.gmode = s.gmode;
    ideal.start = motion::ToolPoint{s.xs * 10, s.ys * 10, s.zs * 10}.drawn();
    ideal.end = motion::ToolPoint{s.xe * 10, s.ye * 10, s.ze * 10}.drawn();
    if (ideal.arc()) {
        // The centre as the comparison works it out, the radius from the
        // square it compares with.
        ideal.cx = ((s.xs - s.ic) * 10).toDouble();
        ideal.cy = ((s.ys - s.jc) * 10).toDouble();
        ideal.radius = s.r2().root();
    }
    return ideal;
}

double IdealSegment::distance(const motion::Point3& p) const {
    if (arc()) return std::abs(std::hypot(p.x - cx, p.y - cy) - radius);
    const double dx = end.x - start.x, dy = end.y - start.y, dz = end.z - start.z;
    const double wx = p.x - start.x, wy = p.y - start.y, wz = p.z - start.z;
    const double along = wx * dx + wy * dy + wz * dz;
    const double length2 = dx * dx + dy * dy + dz * dz;
    if (along <= 0 || length2 == 0) return length(wx, wy, wz);
    if (along >= length2) return length(p.x - end.x, p.y - end.y, p.z - end.z);
    // Through the cross product, so a step point on the line (whole
    // multiples of the step on the step grid) comes out exactly 0.
    return length(wy * dz - wz * dy, wz * dx - wx * dz, wx * dy - wy * dx) / std::sqrt(length2);
}

double IdealSegment::sweep() const {
    if (start.x == end.x && start.y == end.y) return 0;
    constexpr double turn = 2 * std::numbers::pi;
    double angle = std::atan2(end.y - cy, end.x - cx) - std::atan2(start.y - cy, start.x - cx);
    // An end on the start's ray, off the circle by a little, is a whole turn.
    if (gmode == motion::Mode::CounterClockwise) {
        while (angle <= 0) angle += turn;
    } else {
        while (angle >= 0) angle -= turn;
    }
    return angle;
}

}  // namespace tarvo::teach
