#pragma once

#include <cstdint>

#include "motion/Segment.h"
#include "motion/exact/Decimal.h"

namespace tarvo::motion {

// Proves that a segment can never pass the end test, so the run can stop with
// an error instead of stepping forever. Asked only after an end test failed;
// it never answers yes for a segment that a later step point would end.
// Lengths are internal units; every answer is worked out exactly.
class ReachGuard {
public:
    // A new segment, stepped dlstep at a time.
    void startSegment(const Segment& s, Decimal dlstep);
    void countArcStep() { ++arcSteps_; }
    // A new step point: the straight-move answer has to be worked out again.
    void pointMoved() { lineSettled_ = false; }

    // Straight moves: every axis only ever moves towards and then past its
    // end, so once one axis is a whole step past its end, or an axis that
    // never moves stands a whole step off, the distance stays too large.
    // The answer depends only on the point, so it is worked out once per
    // step point rather than on every tick.
    bool lineUnreachable(const Segment& s, const Registers& r, Decimal dlstep) {
        if (lineSettled_) return false;
        lineSettled_ = true;
        return lineCannotEnd(s, r, dlstep);
    }

    // Arcs stay at the start Z and retrace their circle: after a full turn
    // (with room for the staircase around the circle) nothing new comes.
    bool arcUnreachable(const Segment& s, const Registers& r, Decimal dlstep) const {
        if (s.xs == s.xe && s.ys == s.ye) return true;  // the routines make no step at all
        if ((s.ze * 10 - r.pz).abs() >= dlstep) return true;
        return arcSteps_ > arcStepLimit_;
    }

    // Steps the point-by-point method needs at most for a full turn about a
    // circle of radius squared r2, stepped dlstep at a time.
    static std::int64_t revolutionSteps(Squared r2, Decimal dlstep);

private:
    bool lineCannotEnd(const Segment& s, const Registers& r, Decimal dlstep) const;

    std::int64_t arcSteps_ = 0;
    std::int64_t arcStepLimit_ = 0;
    bool lineSettled_ = false;
    bool zMoves_ = false;  // whether the Z register of a straight move ever overflows
};

}  // namespace tarvo::motion
