#include "motion/ReachGuard.h"

#include "motion/exact/Rounding.h"
#include "motion/exact/Wide.h"

namespace tarvo::motion {

namespace {

struct AxisState {
    Decimal start;  // mm
    Decimal end;    // mm
    Decimal p;      // internal units moved so far
    bool moves;     // whether its register ever overflows
};

// The gap between the axis's end and its present step point, by the same
// sums as the end test.
Decimal gap(const AxisState& a) {
    return a.end * 10 - (a.start * 10 + a.p);
}

// The smallest whole r with r² ≥ n.
WideUnsigned rootRoundedUp(WideUnsigned n) {
    WideUnsigned low = 0, high = WideUnsigned{1} << 64;  // high² > any n that fits
    while (low < high) {
        const WideUnsigned middle = low + (high - low) / 2;
        if (middle * middle >= n) {
            high = middle;
        } else {
            low = middle + 1;
        }
    }
    return low;
}

}  // namespace

void ReachGuard::startSegment(const Segment& s, Decimal dlstep) {
    arcSteps_ = 0;
    lineSettled_ = false;
    const bool arc = s.gmode == Mode::Clockwise || s.gmode == Mode::CounterClockwise;
    arcStepLimit_ = arc ? revolutionSteps(s.r2(), dlstep) : 0;
    // X and Y overflow sooner or later whenever their increment is not zero;
    // Z accumulates rounded sums and stays put when the first one rounds to 0.
    zMoves_ = roundHalfEven(s.dz10(), 10) != 0;
}

bool ReachGuard::lineCannotEnd(const Segment& s, const Registers& r, Decimal dlstep) const {
    const AxisState axes[] = {{s.xs, s.xe, r.px, s.xe != s.xs},
                              {s.ys, s.ye, r.py, s.ye != s.ys},
                              {s.zs, s.ze, r.pz, zMoves_}};
    bool anyMoves = false;
    for (const AxisState& a : axes) {
        const Decimal g = gap(a);
        if (a.moves) {
            anyMoves = true;
            const Decimal past = a.end >= a.start ? -g : g;
            if (past >= dlstep) return true;
        } else if (g.abs() >= dlstep) {
            return true;
        }
    }
    // Nothing can step: the point stays where the failed end test saw it.
    return !anyMoves;
}

bool ReachGuard::arcUnreachable(const Segment& s, const Registers& r, Decimal dlstep) const {
    if (s.xs == s.xe && s.ys == s.ye) return true;  // the routines make no step at all
    if ((s.ze * 10 - r.pz).abs() >= dlstep) return true;
    return arcSteps_ > arcStepLimit_;
}

std::int64_t ReachGuard::revolutionSteps(Squared r2, Decimal dlstep) {
    // Each quadrant is a monotone staircase of about 2·r / dlstep steps; a
    // quarter turn more and a few steps spare cover its ragged ends. The
    // radius is rounded up, which only ever leaves more room.
    const WideUnsigned r = rootRoundedUp(magnitude(r2.units()));
    const auto d = static_cast<WideUnsigned>(dlstep.units());
    return static_cast<std::int64_t>((10 * r + d - 1) / d) + 16;
}

}  // namespace tarvo::motion
