#pragma once

#include <cstdint>
#include <vector>

#include "motion/StepRecord.h"
#include "teach/IdealSegment.h"

namespace tarvo::teach {

// What one run of a program under one choice of methods amounts to, for
// setting two methods side by side. Counts are iterations of the
// interpolation routines; deviations are pulses.
struct MethodFigures {
    std::uint64_t steps = 0;       // iterations that fed at least one axis
    std::uint64_t iterations = 0;  // all iterations
    std::uint64_t idle = 0;        // iterations that fed no axis
    std::uint64_t pulses[3] = {};  // pulses sent to X, Y and Z
    double largestDeviation = 0;   // of a step point from the ideal path
    double meanDeviation = 0;      // over the step points
    std::uint64_t ticks = 0;       // timer ticks from Run to the end
};

// The tool's path as one run stepped it: each segment's start and the step
// point after every iteration that fed, internal units (tenths of a
// millimetre), plan XY.
struct StepPath {
    struct Point {
        double x = 0, y = 0;
    };
    std::vector<std::vector<Point>> segments;
};

// Watches one run's iterations and keeps its figures, its step points, its
// ideal path and the resultant feed of every iteration. Told by the
// interpolation timer; a fresh observer for every run.
class MethodRun : public motion::StepObserver {
public:
    // dlstep: the run's step length, internal units; a distance divided by it is pulses.
    explicit MethodRun(double dlstep) : dlstep_(dlstep) {}

    void interpolated(const motion::StepRecord& record, const motion::Segment& segment) override;

    // The figures so far; ticks are the caller's to fill in.
    MethodFigures figures() const;
    const StepPath& path() const { return path_; }
    const std::vector<IdealSegment>& ideal() const { return ideal_; }
    // Per iteration, how many axes it fed (0 to 3): the square of the length
    // of its feed vector in pulses, so the resultant feed is its root.
    const std::vector<std::uint8_t>& fedAxes() const { return fedAxes_; }

private:
    double dlstep_;
    MethodFigures figures_;
    double deviationSum_ = 0;
    StepPath path_;
    std::vector<IdealSegment> ideal_;
    std::vector<std::uint8_t> fedAxes_;
};

}  // namespace tarvo::teach
