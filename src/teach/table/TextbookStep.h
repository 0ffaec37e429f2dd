#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "motion/Segment.h"
#include "motion/StepRecord.h"
#include "motion/exact/Decimal.h"

namespace tarvo::teach {

// What a segment tells the textbook table beyond its iterations' registers:
// the step, the increments digital integration adds each iteration, and the
// end counter Σ before the first iteration, when the textbook defines one.
struct TextbookSegment {
    motion::Decimal dlstep = 10;  // one pulse, internal units
    motion::Decimal dx, dy;       // straight moves: |Δx|, |Δy| in mm
    std::int64_t dz10 = 0;        // and |Δz| in tenths, the integer register's increment
    // Straight moves: regmax / dl iterations, when that is whole. Arcs: the
    // pulses |Δx| + |Δy| over each quadrant the arc passes, when the start and
    // end are whole pulses from the centre and the radius is whole too.
    std::optional<std::int64_t> sigma;
    // The figure in whole pulses, as a textbook method steps it.
    motion::PulseFigure figure;
};

TextbookSegment textbookSegment(const motion::Segment& segment, motion::Decimal dlstep);

// The end counter of an arc from start to end about the origin, in pulses,
// radius r pulses: |Δx| + |Δy| summed between the start, the axis crossings
// and the end. The end counts as reached when it lies on the start's side of
// the first axis ahead, so an arc ending where it began is the full circle.
std::int64_t arcSigma(std::int64_t xs, std::int64_t ys, std::int64_t xe, std::int64_t ye,
                      std::int64_t r, bool clockwise);

// One iteration as the textbook's table lists it, from the machine's record
// and its segment: positions relative to the arc's centre or the line's
// start, deviations in internal units squared; the texts below divide them
// by the step.
struct TextbookStep {
    motion::StepRecord record;
    const TextbookSegment& segment;

    bool arc() const {
        return record.gmode == motion::Mode::Clockwise ||
               record.gmode == motion::Mode::CounterClockwise;
    }
    // Made by a textbook method's stepper in whole pulses.
    bool pulses() const { return record.pulses.has_value(); }
    // The quadrant the arc's point lies in before the step, 1 to 4, with the
    // machine's tie-breaks: level with the centre counts as the upper half,
    // straight above or below it as the right half.
    int quadrant() const;
    // The end counter before and after the iteration, when defined.
    std::optional<std::int64_t> sigmaBefore() const;
    std::optional<std::int64_t> sigmaAfter() const;
    // The machine's own end test: less than a step from the end, by squares.
    bool reachedEnd() const;
};

}  // namespace tarvo::teach
