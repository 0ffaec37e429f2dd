#include "motion/ReachGuard.h"

#include <cmath>

#include "motion/Rounding.h"

namespace tarvo::motion {

namespace {

struct AxisState {
    double start;  // mm
    double end;    // mm
    double p;      // internal units moved so far
    bool moves;    // whether its register ever overflows
};

// The gap between the axis's end and its present step point, computed by the
// same sums as the end test, so the comparison is exact, not approximate.
double gap(const AxisState& a) {
    return 10 * a.end - (10 * a.start + a.p);
}

}  // namespace

bool ReachGuard::lineUnreachable(const Segment& s, const Registers& r, double dlstep) {
    if (lineSettled_) return false;
    lineSettled_ = true;
    return lineCannotEnd(s, r, dlstep);
}

bool ReachGuard::lineCannotEnd(const Segment& s, const Registers& r, double dlstep) {
    // X and Y accumulate in doubles and overflow as soon as their increment is
    // not zero; Z accumulates rounded sums and stays put when the first one
    // rounds to 0.
    const bool zMoves = roundHalfEven(static_cast<double>(s.dz10()) / 10) != 0;
    const AxisState axes[] = {{s.xs, s.xe, r.px, s.xe != s.xs},
                              {s.ys, s.ye, r.py, s.ye != s.ys},
                              {s.zs, s.ze, r.pz, zMoves}};
    bool anyMoves = false;
    for (const AxisState& a : axes) {
        const double g = gap(a);
        if (a.moves) {
            anyMoves = true;
            const double direction = a.end >= a.start ? 1.0 : -1.0;
            if (-direction * g >= dlstep) return true;
        } else if (std::abs(g) >= dlstep) {
            return true;
        }
    }
    // Nothing can step: the point stays where the failed end test saw it.
    return !anyMoves;
}

bool ReachGuard::arcUnreachable(const Segment& s, const Registers& r, double dlstep,
                                double r10) const {
    if (s.xs == s.xe && s.ys == s.ye) return true;  // the routines make no step at all
    if (std::abs(10 * s.ze - r.pz) >= dlstep) return true;
    return static_cast<double>(arcSteps_) > revolutionSteps(r10, dlstep);
}

double ReachGuard::revolutionSteps(double r10, double dlstep) {
    // Each quadrant is a monotone staircase of about 2·r10 / dlstep steps;
    // a quarter turn more and a few steps spare cover its ragged ends.
    return std::ceil(1.25 * 8 * r10 / dlstep) + 16;
}

}  // namespace tarvo::motion
