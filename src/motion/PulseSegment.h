#pragma once

#include <optional>

#include "motion/Interpolation.h"
#include "motion/PulseStepper.h"
#include "motion/Segment.h"
#include "motion/exact/Decimal.h"

namespace tarvo::motion {

// A segment in the textbook's whole pulses: a line's increments from its
// start, an arc's start and end from its centre (a line starts at 0, 0).
// Quotients that are not whole are rounded to the nearest pulse, halves away
// from zero, and the figure says so.
struct PulseFigure {
    PulsePoint start, end;
    bool rounded = false;
};

// The segment's figure in whole pulses, dlstep one pulse in internal units.
PulseFigure pulseFigure(const Segment& s, Decimal dlstep);

// A segment to be stepped by a textbook method instead of the machine's own
// routine, and the figure it was stepped from.
struct PulseSegment {
    PulseStepper stepper;
    PulseFigure figure;
};

// The stepper the choice gives this segment, dlstep one pulse in internal
// units; nothing where the machine's routine steps it: always under the
// machine's choice, for arcs under comparison, for lines that move Z.
// Throws std::invalid_argument with the stepper's message after the method's
// name ("数字积分法：…") for a figure the stepper refuses.
std::optional<PulseSegment> pulseSegment(const Segment& s, Decimal dlstep, MethodChoice choice);

}  // namespace tarvo::motion
