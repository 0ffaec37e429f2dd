#include "teach/ideal/IdealSegment.h"

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

bool IdealSegment::mayLieFarther(const motion::Point3& p, double than) const {
    // Squares a little short of the bound still count as farther, so that
    // rounding in them never hides a point the roots put farther.
    constexpr double margin = 1e-12;
    if (arc()) {
        const double x = p.x - cx, y = p.y - cy, r2 = x * x + y * y;
        const double inner = radius - than, outer = radius + than;
        return r2 >= outer * outer * (1 - margin) ||
               (inner > 0 && r2 <= inner * inner * (1 + margin));
    }
    const double dx = end.x - start.x, dy = end.y - start.y, dz = end.z - start.z;
    const double wx = p.x - start.x, wy = p.y - start.y, wz = p.z - start.z;
    const double along = wx * dx + wy * dy + wz * dz;
    const double length2 = dx * dx + dy * dy + dz * dz;
    double d2 = 0;
    if (along <= 0 || length2 == 0) {
        d2 = wx * wx + wy * wy + wz * wz;
    } else if (along >= length2) {
        const double ex = p.x - end.x, ey = p.y - end.y, ez = p.z - end.z;
        d2 = ex * ex + ey * ey + ez * ez;
    } else {
        const double ux = wy * dz - wz * dy, uy = wz * dx - wx * dz, uz = wx * dy - wy * dx;
        d2 = (ux * ux + uy * uy + uz * uz) / length2;
    }
    return d2 > 0 && d2 >= than * than * (1 - margin);
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
