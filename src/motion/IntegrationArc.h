#pragma once

#include <cstddef>
#include <cstdint>

#include "motion/PulseArc.h"
#include "motion/PulseStep.h"

namespace tarvo::motion {

// Digital integration (DDA) for an arc, in pulses from its centre, as the
// textbook does it: registers of N bits, 2^N above the radius (the smallest
// such power of two, or a wider one chosen); the X register integrates |Y| and the Y register |X|,
// each integrand changing by one when the other axis is fed. Each axis feeds in the direction its
// quadrant and the sense give and has its own end counter, the pulses it feeds over the whole arc,
// and stops when that reaches 0. Across the axes the arc is walked quadrant by quadrant: an axis
// that has reached the end of the quadrant's piece stops adding, its remainder held, until the
// other axis reaches it too, so neither turns back early and both end exactly on the end point. The
// registers start empty or half full (半加载).
class IntegrationArc {
public:
    // `bits` the chosen N, 0 for automatic (see registerBits, which throws).
    IntegrationArc(const PulseArc& arc, bool halfLoad, int bits = 0);

    std::int64_t capacity() const { return std::int64_t{1} << bits_; }
    bool finished() const { return sigmaX_ == 0 && sigmaY_ == 0; }
    // One iteration in its four beats; called only while not finished.
    IntegrationStep next();

    PulsePoint point() const { return point_; }

private:
    PulsePoint pieceEnd();

    PulseArc arc_;
    PulsePoint point_;
    std::size_t piece_ = 0;  // the quadrant's piece being walked, into arc_.quarterEnds()
    int bits_ = 1;
    std::int64_t jvx_, jvy_;  // the integrands J_V: |Y| for the X register, |X| for the Y one
    std::int64_t jrx_, jry_, sigmaX_, sigmaY_;
    std::int64_t number_ = 0;
};

}  // namespace tarvo::motion
