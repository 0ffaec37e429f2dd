#pragma once

#include <vector>

#include "motion/StepRecord.h"
#include "teach/comparison/FeedHistory.h"
#include "teach/comparison/MethodFigures.h"
#include "teach/comparison/StepPolyline.h"
#include "teach/ideal/IdealSegment.h"

namespace tarvo::teach {

// Watches one run's iterations and keeps, move by move, what comparing
// methods needs: each move's figures, and for the moves compared (G01 to
// G03, not the rapids) their sum, their ideal paths, their staircase thinned
// to what a drawing shows and the resultant feed of their iterations folded
// to what a plot shows. What it keeps grows with the program's moves, never
// with the run's ticks. Told by the interpolation timer; a fresh observer
// for every run.
class MethodRun : public motion::StepObserver {
public:
    // dlstep: the run's step length, internal units; a distance divided by it is pulses.
    explicit MethodRun(double dlstep) : dlstep_(dlstep) {}

    void interpolated(const motion::StepRecord& record, const motion::Segment& segment) override;

    // Every move in program order, rapids included.
    const std::vector<MoveFigures>& moves() const { return moves_; }
    // The moves compared, summed: the program without its rapids.
    const MethodFigures& compared() const { return compared_; }
    // The ideal paths of the moves compared.
    const std::vector<IdealSegment>& ideal() const { return ideal_; }
    const StepPolyline& staircase() const { return staircase_; }
    const FeedHistory& feeds() const { return feeds_; }

private:
    void begin(const motion::StepRecord& record, const motion::Segment& segment);

    double dlstep_;
    std::vector<MoveFigures> moves_;
    MethodFigures compared_;
    std::vector<IdealSegment> ideal_;
    IdealSegment path_;  // of the move under way
    StepPolyline staircase_;
    FeedHistory feeds_;
};

}  // namespace tarvo::teach
