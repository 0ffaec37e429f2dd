#pragma once

#include <cstdint>

#include "motion/PulseStep.h"

namespace tarvo::motion {

// Point-by-point comparison for a line in the XY plane, in pulses from its
// start to its end (Xe, Ye). The deviation F = |Y|·|Xe| − |X|·|Ye| is judged
// alike in every quadrant L1 … L4: F ≥ 0 feeds along X away from the start,
// F < 0 along Y; then F −= |Ye| after an X feed, F += |Xe| after a Y feed.
// A line along the Y axis feeds only Y. The end counter Σ = |Xe| + |Ye|
// counts the feeds down to 0.
class ComparisonLine {
public:
    // Coordinates within ±10⁹ pulses; throws std::invalid_argument beyond.
    explicit ComparisonLine(PulsePoint end);

    // The quadrant L1 … L4 the line lies in: +X belongs to L1, +Y to L2,
    // −X to L3, −Y to L4; 0 for a line of no length.
    int quadrant() const;
    bool finished() const { return sigma_ == 0; }
    // One iteration in its four beats; called only while not finished.
    ComparisonStep next();

    PulsePoint point() const { return point_; }

private:
    PulsePoint end_, point_;
    std::int64_t f_ = 0, sigma_;
    std::int64_t number_ = 0;
};

}  // namespace tarvo::motion
