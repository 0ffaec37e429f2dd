#pragma once

#include <cstdint>

namespace tarvo::motion {

// A point of the tool path, internal units (tenths of a millimetre).
struct Point3 {
    double x, y, z;
};

// Draws the tool path as the interpolator makes it. `lcolor` is a palette
// index: 15 for rapid moves, 14 for feed moves and arcs, 0 in a tick that
// called no interpolation routine.
class StepDrawing {
public:
    virtual ~StepDrawing() = default;
    // A step from the previous point to the new current point.
    virtual void step(const Point3& from, const Point3& to, std::int16_t lcolor) = 0;
    // A step from where the step drawn before it ended, as almost every step
    // goes on: nothing of its start is worked out again.
    virtual void stepOn(const Point3& to, std::int16_t lcolor) = 0;
    // A segment ended below the work surface at `at`: the vertical wall edge.
    virtual void wall(const Point3& at, std::int16_t lcolor) = 0;
};

}  // namespace tarvo::motion
