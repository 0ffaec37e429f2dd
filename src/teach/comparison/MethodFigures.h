#pragma once

#include <cstdint>

#include "motion/Segment.h"
#include "teach/comparison/FeedCounts.h"

namespace tarvo::teach {

// What the iterations of one move, or of several, amount to, for setting two
// methods side by side. Counts are iterations of the interpolation routines;
// deviations are pulses.
struct MethodFigures {
    std::uint64_t pulses[3] = {};  // pulses sent to X, Y and Z
    FeedCounts feeds;              // iterations by the axes they fed
    double largestDeviation = 0;   // of a step point from the ideal path
    double deviationSum = 0;       // over the step points

    std::uint64_t iterations() const { return feeds.iterations(); }
    // Iterations that fed at least one axis: the steps of the staircase.
    std::uint64_t steps() const { return iterations() - feeds.fed[0]; }
    std::uint64_t idle() const { return feeds.fed[0]; }
    // Over the step points; 0 for none.
    double meanDeviation() const;

    // Counts one iteration: its feed per axis (±1 or 0), and, when it fed,
    // how far its step point lies off the ideal path.
    void count(const std::int8_t (&feed)[3], double deviation);
};

// One motion of the program as a run stepped it: its line, its G code and
// its figures. A rapid (G00) is stepped by the same routines but is no part
// of what the methods are compared on.
struct MoveFigures {
    std::int64_t line = 0;  // the program line, from 1
    motion::Mode gmode = motion::Mode::Rapid;
    MethodFigures figures;

    bool rapid() const { return gmode == motion::Mode::Rapid; }
};

}  // namespace tarvo::teach
