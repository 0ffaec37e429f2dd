#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "motion/OutputByte.h"
#include "motion/PulseSegment.h"
#include "motion/ReachGuard.h"
#include "motion/Segment.h"
#include "motion/StepDrawing.h"
#include "motion/StepRecord.h"

namespace tarvo::motion {

class MotionPanel;
class StepDrawing;
class StoredPath;

// How a tick of the interpolation timer left the segment.
enum class SegmentState { Running, Ended, Unreachable };

// The interpolation timer's work: step ticks call the routine of the mode,
// reset ticks release the pulse bits, and after each tick the end test.
class Interpolator {
public:
    // With no drawing, the step points are recorded for the magnified view
    // but drawn nowhere: for machines whose views nobody watches.
    Interpolator(OutputByte& outdata, StoredPath& path, MotionPanel& panel, StepDrawing* drawing);

    // Called at the start of every run: the tool stands on its start point,
    // X 0, Y 0, Z 60 mm, with no pulse half made, whatever the last run left.
    void startRun();

    // Called by the dispatcher when it has prepared a new segment; dlstep is
    // the step length of the run, internal units, and choice its methods.
    // Throws std::invalid_argument, its message in Chinese, for a figure the
    // chosen textbook method refuses.
    void startSegment(const Segment& s, Decimal dlstep, MethodChoice choice = {});

    // Observers of every iteration; none by default, at no cost to the tick.
    void addStepObserver(StepObserver* observer) { observers_.push_back(observer); }
    void removeStepObserver(StepObserver* observer) { std::erase(observers_, observer); }

    // One tick of Timer2. On Ended the caller runs demorder and hands back to
    // the interpreter; on Unreachable it stops the run with an error.
    SegmentState tick(Segment& s, Registers& r, Decimal dlstep) {
        if (phase == 1 && !figures_.textbook) {
            // A reset tick follows a step tick whose end test left the
            // segment running, and moves nothing: the end test and the reach
            // guard would answer as they did then, so they are not asked again.
            outdata_.releasePulses();
            phase = 0;
            return SegmentState::Running;
        }
        return stepTick(s, r, dlstep);
    }

    Decimal xcur, ycur, zcur;     // current tool point, internal units
    std::int16_t phase = 0;       // 1 on step ticks, 0 after reset ticks
    std::uint64_t stepTicks = 0;  // step ticks made since the machine was made

    // What a segment's every tick would otherwise work out again, taken
    // from the segment when it starts.
    struct LineArgs {
        Decimal dx, dy;  // increments fed to the X and Y registers, mm
        std::int64_t dz10;
        std::int16_t sx, sy, sz;
    };
    struct SegmentFigures {
        LineArgs line;
        Squared r2;                // the arc's radius squared, internal units squared
        ToolPoint end;             // the end point, internal units
        Decimal centreX, centreY;  // the arc's centre, internal units
        MethodChoice choice;
        std::optional<PulseSegment> textbook;  // stepping the segment instead of the routines
    };
    // Everything the interpolator carries from one tick to the next, as one
    // value: a run starts from whatever the last run left here, so a replay
    // of the run puts it back first.
    struct Scalars {
        Decimal xcur, ycur, zcur;
        std::int16_t phase = 0;
        std::uint64_t stepTicks = 0, iterations = 0;
        ReachGuard guard;
        SegmentFigures figures;
    };
    Scalars scalars() const {
        return {xcur, ycur, zcur, phase, stepTicks, iterations_, guard_, figures_};
    }
    void restore(const Scalars& s);

private:
    SegmentState stepTick(Segment& s, Registers& r, Decimal dlstep);
    // The routines of a step tick and the step point they make, laid into
    // stepTick() rather than called one from another: at a fine pulse
    // equivalent the calls alone cost as much as the routines' sums.
    [[gnu::always_inline]] inline void writeDirections(const LineArgs& a);
    [[gnu::always_inline]] inline void lineint(const LineArgs& a, const Segment& s, Registers& r,
                                               Decimal dlstep, std::int16_t lcolor);
    [[gnu::always_inline]] inline void cwint(const Segment& s, Registers& r, Decimal dlstep,
                                             std::int16_t lcolor);
    [[gnu::always_inline]] inline void ccwint(const Segment& s, Registers& r, Decimal dlstep,
                                              std::int16_t lcolor);
    [[gnu::always_inline]] inline void arcStep(bool clockwise, const Segment& s, Registers& r,
                                               Decimal dlstep, std::int16_t lcolor);
    [[gnu::always_inline]] inline void stepPoint(const ToolPoint& previous, std::int16_t lcolor);
    SegmentState textbookTick(Segment& s, Registers& r, Decimal dlstep);
    void pulseStep(const Segment& s, Registers& r, Decimal dlstep, std::int16_t lcolor);
    SegmentState unreachableOrRunning(const Segment& s, const Registers& r, Decimal dlstep);
    void endSegment(Segment& s, Registers& r, std::int16_t lcolor);
    [[gnu::always_inline]] inline void interpolate(const Segment& s, Registers& r, Decimal dlstep,
                                                   std::int16_t lcolor);
    [[gnu::always_inline]] inline bool withinStep(Decimal dlstep) const;
    Squared distanceToEnd2() const;
    void tellObservers(const Segment& s, const Registers& r);

    OutputByte& outdata_;
    StoredPath& path_;
    MotionPanel& panel_;
    StepDrawing* drawing_;
    bool pointsShown_ = true;  // whether the panel shows the moving point
    ReachGuard guard_;
    SegmentFigures figures_;
    std::vector<StepObserver*> observers_;
    std::uint64_t iterations_ = 0;              // iterations of the current segment
    std::optional<PulseIteration> lastPulses_;  // the textbook iteration just made
    // The record of the iteration just made, every field written afresh for
    // each, so that telling the observers clears nothing first.
    StepRecord told_;
    ToolPoint lastDrawn_{};  // the latest step point drawn
};

}  // namespace tarvo::motion
