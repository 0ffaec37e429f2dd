#include "views/PathDrawing.h"

#include "views/Canvas.h"
#include "views/PixelPen.h"
#include "views/Projection.h"

namespace tarvo::views {

namespace {
float f(double v) {
    return static_cast<float>(v);
}
}  // namespace

PathDrawing::PathDrawing(Canvas& linez, Canvas& linep)
    : linez_(linez), linep_(linep), axonometricPen_(linez.pen()), planPen_(linep.pen()) {}

// Laid into step(), which runs for every step of the tool.
inline void PathDrawing::plan(float x, float y, std::int16_t lcolor) {
    if (planPen_) {
        planTrail_.line(*planPen_, planPen_->x, planPen_->y, x, y, lcolor);
    } else {
        linep_.lineTo(x, y, lcolor);
    }
}

inline void PathDrawing::axonometric(PixelTrail& trail, float u1, float v1, float u2, float v2,
                                     int colour) {
    if (axonometricPen_) {
        trail.line(*axonometricPen_, u1, v1, u2, v2, colour);
    } else {
        linez_.line(u1, v1, u2, v2, colour);
    }
}

// The shadow drops the point onto the surface Z 0.
PathDrawing::Ends PathDrawing::ends(UV at, double z) {
    return {f(at.u), f(at.v), f(at.v - z)};
}

void PathDrawing::step(const motion::Point3& from, const motion::Point3& to, std::int16_t lcolor) {
    last_ = ends(project(from.x, from.y, from.z), from.z);
    stepOn(to, lcolor);
}

void PathDrawing::stepOn(const motion::Point3& to, std::int16_t lcolor) {
    const UV now = project(to.x, to.y, to.z);
    au = now.u;
    av = now.v;
    const Ends before = last_;
    last_ = ends(now, to.z);
    plan(f(to.x), f(to.y), lcolor);
    axonometric(cutTrail_, before.u, before.v, last_.u, last_.v, lcolor);
    // Below the surface the shadow follows, one colour index lower.
    if (to.z < 0) {
        axonometric(shadowTrail_, before.u, before.shadowV, last_.u, last_.shadowV, lcolor - 1);
    }
}

void PathDrawing::wall(const motion::Point3& at, std::int16_t lcolor) {
    linez_.line(f(au), f(av - at.z), f(au), f(av), lcolor);
}

}  // namespace tarvo::views
