#pragma once

#include <cstdint>

#include "motion/Segment.h"

namespace tarvo::motion {

// Proves that a segment can never pass the end test, so the run can stop with
// an error instead of stepping forever. Asked only after an end test failed;
// it never answers yes for a segment that a later step point would end.
class ReachGuard {
public:
    void startSegment() {
        arcSteps_ = 0;
        lineSettled_ = false;
    }
    void countArcStep() { ++arcSteps_; }
    // A new step point: the straight-move answer has to be worked out again.
    void pointMoved() { lineSettled_ = false; }

    // Straight moves: every axis only ever moves towards and then past its
    // end, so once one axis is a whole step past its end, or an axis that
    // never moves stands a whole step off, the distance stays too large.
    // The answer depends only on the point, so it is worked out once per
    // step point rather than on every tick.
    bool lineUnreachable(const Segment& s, const Registers& r, double dlstep);

    // Arcs stay at the start Z and retrace their circle: after a full turn
    // (with room for the staircase around the circle) nothing new comes.
    bool arcUnreachable(const Segment& s, const Registers& r, double dlstep, double r10) const;

    // Steps the point-by-point method needs for a full turn of radius r10.
    static double revolutionSteps(double r10, double dlstep);

private:
    static bool lineCannotEnd(const Segment& s, const Registers& r, double dlstep);

    std::int64_t arcSteps_ = 0;
    bool lineSettled_ = false;
};

}  // namespace tarvo::motion
