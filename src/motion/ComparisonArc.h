#pragma once

#include <cstdint>

#include "motion/PulseArc.h"
#include "motion/PulseStep.h"

namespace tarvo::motion {

// Point-by-point comparison for an arc, in pulses from its centre. The
// deviation F = X² + Y² − R² is 0 on the circle; F ≥ 0 (on or outside) feeds
// the axis that the motion in this quadrant brings towards the centre, F < 0
// (inside) the other one, away from it. A feed of ±1 on an axis at c changes F
// by ±2c + 1. The end counter Σ counts every pulse of the arc, over all the
// quadrants it crosses, down to 0.
class ComparisonArc {
public:
    explicit ComparisonArc(const PulseArc& arc);

    bool finished() const { return sigma_ == 0; }
    // One iteration in its four beats; called only while not finished.
    ComparisonStep next();

    PulsePoint point() const { return point_; }

private:
    PulseFeed judged() const;

    PulseArc arc_;
    PulsePoint point_;
    std::int64_t f_ = 0, sigma_;
    std::int64_t number_ = 0;
};

}  // namespace tarvo::motion
