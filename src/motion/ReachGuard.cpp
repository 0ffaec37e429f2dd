#include "motion/ReachGuard.h"

#include "motion/exact/Rounding.h"
#include "motion/exact/Wide.h"

namespace tarvo::motion {

namespace {

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
    bool anyMoves = false;
    // Whether the axis stands a whole step past its end, or off it for good;
    // the gap between its end and its step point is taken as the end test takes it.
    const auto passed = [&](Decimal start, Decimal end, Decimal p, bool moves) {
        const Decimal gap = end * 10 - (start * 10 + p);
        if (!moves) return gap.abs() >= dlstep;
        anyMoves = true;
        return (end >= start ? -gap : gap) >= dlstep;
    };
    return passed(s.xs, s.xe, r.px, s.xe != s.xs) || passed(s.ys, s.ye, r.py, s.ye != s.ys) ||
           passed(s.zs, s.ze, r.pz, zMoves_) ||
           !anyMoves;  // nothing can step: the point stays where the failed end test saw it
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
