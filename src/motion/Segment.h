#pragma once

#include <cstdint>

#include "motion/exact/Decimal.h"
#include "motion/exact/Rounding.h"
#include "motion/exact/Squared.h"

namespace tarvo::motion {

// Interpolation modes, as the dispatcher stores them in `gmode`.
enum class Mode : std::int16_t { Rapid = 0, Line = 1, Clockwise = 2, CounterClockwise = 3 };

// One motion of the program, in millimetres as written, exactly. Between
// segments the start point is the tool position; the tool starts a run at
// X 0, Y 0, Z 60.
struct Segment {
    Decimal xs = 0, ys = 0, zs = 60;
    Decimal xe = 0, ye = 0, ze = 60;
    Decimal ic = 0, jc = 0;  // start point relative to the arc centre: minus I, minus J
    Mode gmode = Mode::Rapid;
    Decimal regmax = 0;     // register capacity of a straight move, mm
    std::int64_t line = 0;  // the program line the motion was written on, from 1

    // A segment whose end is its start ends without a step.
    bool empty() const { return xs == xe && ys == ye && zs == ze; }
    // An arc ending on its start, as a full circle is written: being empty,
    // it is not cut.
    bool fullCircle() const {
        return (gmode == Mode::Clockwise || gmode == Mode::CounterClockwise) && empty();
    }

    // |ze - zs| in tenths, rounded: the Z increment fed to the integer register.
    std::int64_t dz10() const { return roundHalfEven((ze - zs).abs() * 10); }

    // The arc's radius squared, internal units squared: (ic² + jc²) · 100.
    Squared r2() const { return Squared::of(ic * 10) + Squared::of(jc * 10); }

    friend bool operator==(const Segment&, const Segment&) = default;
};

// Working registers of the interpolator. Positions are internal units (tenths
// of a millimetre) relative to the segment start (lines) or arc centre (arcs);
// the remainder registers of linear interpolation hold millimetres.
struct Registers {
    Decimal px = 0, py = 0, pz = 0;
    Decimal jrx = 0, jry = 0;
    std::int64_t jrz = 0;  // an integer register: each sum is rounded
    Squared fm = 0;        // arc deviation, internal units squared

    friend bool operator==(const Registers&, const Registers&) = default;
};

}  // namespace tarvo::motion
