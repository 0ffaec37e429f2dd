#pragma once

#include <cstdint>

#include "motion/Segment.h"
#include "motion/StepDrawing.h"

namespace tarvo::teach {

// The exact path a segment stands for, which its step points only come close
// to: the straight line from start to end, or the arc about the centre
// through the start point in the segment's sense. Internal units (tenths of
// a millimetre).
struct IdealSegment {
    std::int64_t line = 0;  // the program line of the motion, from 1
    motion::Mode gmode = motion::Mode::Rapid;
    motion::Point3 start{}, end{};
    double cx = 0, cy = 0;  // arcs: the centre
    double radius = 0;      // arcs: through the start point, the circle the comparison keeps to
    double deviation = 0;   // largest distance of a step point from the path so far

    // The path of a segment as the dispatcher hands it over (millimetres).
    static IdealSegment of(const motion::Segment& s);

    bool arc() const {
        return gmode == motion::Mode::Clockwise || gmode == motion::Mode::CounterClockwise;
    }
    // How far a point lies off the path: from the line segment in space, or
    // from the circle in the XY plane (an arc does not move Z).
    double distance(const motion::Point3& p) const;
    // Whether the point may lie farther than `than` off the path, judged by
    // squares, without a root: true for every point distance() puts farther,
    // and for a few just short of it, so that distance() has the last word.
    bool mayLieFarther(const motion::Point3& p, double than) const;
    // Arcs: the angle turned from start to end, radians, positive
    // counter-clockwise; 0 when the end stands on the start, where the
    // machine makes no step.
    double sweep() const;
};

}  // namespace tarvo::teach
