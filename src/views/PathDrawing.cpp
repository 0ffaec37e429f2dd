#include "views/PathDrawing.h"

#include "views/Canvas.h"
#include "views/Projection.h"

namespace tarvo::views {

namespace {
float f(double v) {
    return static_cast<float>(v);
}
}  // namespace

void PathDrawing::step(const motion::Point3& from, const motion::Point3& to, std::int16_t lcolor) {
    // A step mostly starts where the one before ended, projected already.
    const bool goesOn = from.x == lastEnd_.x && from.y == lastEnd_.y && from.z == lastEnd_.z;
    const UV before = goesOn ? lastProjected_ : project(from.x, from.y, from.z);
    const UV now = project(to.x, to.y, to.z);
    au = now.u;
    av = now.v;
    lastEnd_ = to;
    lastProjected_ = now;
    linep_.lineTo(f(to.x), f(to.y), lcolor);
    linez_.line(f(before.u), f(before.v), f(au), f(av), lcolor);
    if (to.z < 0) {
        // The same step dropped onto the surface Z 0, one colour index lower.
        linez_.line(f(before.u), f(before.v - from.z), f(au), f(av - to.z), lcolor - 1);
    }
}

void PathDrawing::wall(const motion::Point3& at, std::int16_t lcolor) {
    linez_.line(f(au), f(av - at.z), f(au), f(av), lcolor);
}

}  // namespace tarvo::views
