#pragma once

#include <cstdint>
#include <vector>

#include "motion/PulseStep.h"

namespace tarvo::motion {

// An arc for the textbook methods: start and end in pulses from its centre,
// and its sense (G02 clockwise, G03 counter-clockwise). An arc whose end is
// its start is a full circle. The methods walk it quadrant by quadrant, so it
// is cut where it crosses the axes.
class PulseArc {
public:
    // Throws std::invalid_argument, its message in Chinese, for a radius of
    // 0, an end off the start's circle, a coordinate beyond ±10⁹ pulses, and
    // an arc crossing an axis whose radius is not a whole number of pulses
    // (it would cross between pulse points).
    PulseArc(PulsePoint start, PulsePoint end, bool clockwise);

    PulsePoint start() const { return start_; }
    bool clockwise() const { return clockwise_; }
    // The largest coordinate on the arc, in pulses: the radius rounded down.
    std::int64_t reach() const { return reach_; }

    // Where each quadrant's piece ends: the axis points crossed, in order,
    // then the end point.
    const std::vector<PulsePoint>& quarterEnds() const { return quarterEnds_; }
    // Pulses the whole arc feeds along X and along Y.
    PulsePoint travel() const { return travel_; }

private:
    PulsePoint start_;
    bool clockwise_;
    std::int64_t radius2_, reach_;
    std::vector<PulsePoint> quarterEnds_;
    PulsePoint travel_;
};

// The quadrant, 0 to 3 counter-clockwise from +X, whose piece a point
// counter-clockwise on its circle begins: a point on an axis belongs to the
// quadrant the motion enters.
int counterClockwiseQuadrant(PulsePoint p);

}  // namespace tarvo::motion
