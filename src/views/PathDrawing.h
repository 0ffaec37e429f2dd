#pragma once

#include "motion/StepDrawing.h"
#include "views/Projection.h"

namespace tarvo::views {

class Canvas;

// Draws every step in the plan view (one polyline per run, from the current
// drawing position) and the axonometric view, with the groove the tool leaves
// in the work surface and the wall edge at each segment end below it.
class PathDrawing : public motion::StepDrawing {
public:
    PathDrawing(Canvas& linez, Canvas& linep) : linez_(linez), linep_(linep) {}

    void step(const motion::Point3& from, const motion::Point3& to, std::int16_t lcolor) override;
    void wall(const motion::Point3& at, std::int16_t lcolor) override;

    // The projected current point starts every run at the origin.
    void resetProjection() { au = av = 0; }

    double au = 0, av = 0;  // the current point projected into the axonometric view

private:
    Canvas& linez_;
    Canvas& linep_;
    // The end of the latest step drawn, and its projection.
    motion::Point3 lastEnd_{};
    UV lastProjected_{};
};

}  // namespace tarvo::views
