#pragma once

#include "motion/StepDrawing.h"
#include "views/PixelTrail.h"
#include "views/Projection.h"

namespace tarvo::views {

class Canvas;

// Draws every step in the plan view (one polyline per run, from the current
// drawing position) and the axonometric view, with the groove the tool leaves
// in the work surface and the wall edge at each segment end below it.
class PathDrawing final : public motion::StepDrawing {
public:
    PathDrawing(Canvas& linez, Canvas& linep);

    void step(const motion::Point3& from, const motion::Point3& to, std::int16_t lcolor) override;
    void stepOn(const motion::Point3& to, std::int16_t lcolor) override;
    void wall(const motion::Point3& at, std::int16_t lcolor) override;

    // The projected current point starts every run at the origin.
    void resetProjection() { au = av = 0; }

    double au = 0, av = 0;  // the current point projected into the axonometric view

private:
    // A point of the axonometric view as its two polylines take it: the cut,
    // and its shadow on the surface.
    struct Ends {
        float u, v, shadowV;
    };
    static Ends ends(UV at, double z);
    void plan(float x, float y, std::int16_t lcolor);
    void axonometric(PixelTrail& trail, float u1, float v1, float u2, float v2, int colour);

    Canvas& linez_;
    Canvas& linep_;
    // The canvases' own pens, where they hand them out, and the three
    // polylines painted with them: the cut in both views, and its shadow on
    // the surface in the axonometric view.
    PixelPen* axonometricPen_;
    PixelPen* planPen_;
    PixelTrail planTrail_, cutTrail_, shadowTrail_;
    Ends last_{};  // where the latest step drawn ended
};

}  // namespace tarvo::views
