#pragma once

#include <cstdint>

#include "motion/PulseStep.h"

namespace tarvo::motion {

// Digital integration (DDA) for a line in the XY plane, in pulses from its
// start to its end (Xe, Ye), as the textbook does it: two remainder
// registers J_R of N bits, 2^N above |Xe| and |Ye| (the smallest such
// power of two, or a wider one chosen); every iteration adds the integrands |Xe| and |Ye|, and an
// overflow feeds one pulse, away from the start. After 2^N iterations each axis has fed exactly its
// increment; the end counter counts the iterations down. The registers start empty or half full
// (半加载), which brings each overflow half a capacity earlier and the staircase closer to the
// line.
class IntegrationLine {
public:
    // Coordinates within ±10⁹ pulses; `bits` the chosen N, 0 for automatic
    // (see registerBits). Throws std::invalid_argument beyond either.
    IntegrationLine(PulsePoint end, bool halfLoad, int bits = 0);

    std::int64_t capacity() const { return std::int64_t{1} << bits_; }
    bool finished() const { return left_ == 0; }
    // One iteration in its four beats; called only while not finished.
    IntegrationStep next();

    PulsePoint point() const { return point_; }

private:
    PulsePoint end_, point_;
    int bits_ = 1;
    std::int64_t jrx_, jry_, left_;
    std::int64_t number_ = 0;
};

}  // namespace tarvo::motion
