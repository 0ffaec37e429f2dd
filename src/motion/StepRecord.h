#pragma once

#include <cstdint>
#include <memory>

#include <optional>

#include "motion/Interpolation.h"
#include "motion/PulseSegment.h"
#include "motion/Segment.h"
#include "motion/StepDrawing.h"
#include "motion/exact/Decimal.h"
#include "motion/exact/Squared.h"

namespace tarvo::motion {

// A point of the tool path, exactly, internal units (tenths of a millimetre).
struct ToolPoint {
    Decimal x, y, z;

    // The nearest doubles, for drawing and teaching figures.
    Point3 drawn() const { return {x.toDouble(), y.toDouble(), z.toDouble()}; }
    friend bool operator==(const ToolPoint&, const ToolPoint&) = default;
};

// One iteration of an interpolation routine, as a textbook table lists it:
// the registers before the iteration, the axes it fed, and where that left
// the tool. Positions are internal units (tenths of a millimetre).
struct StepRecord {
    std::int64_t line = 0;     // the program line whose motion this is, from 1
    std::uint64_t number = 0;  // the iteration within its segment, from 1
    Method method = Method::Integration;
    Mode gmode = Mode::Rapid;
    Registers before;          // the working registers as the iteration found them
    Registers after;           // and as it left them: the new remainders, the new deviation
    Decimal regmax;            // register capacity of a straight move, mm
    std::int8_t feed[3] = {};  // per axis X, Y, Z: +1 or -1 when fed, 0 when not
    ToolPoint point;           // the tool point after the iteration
    // The end test's distance after the iteration: its square exactly, as the
    // test compared it with the step's; its root, a double for reading, is taken
    // only when read, so a watcher that never reads it does not pay for it.
    Squared distance2;
    double distance() const { return distance2.root(); }
    // The run's choice of method; under a textbook method, an iteration of
    // its stepper in whole pulses (none where the machine's own routine made
    // the iteration).
    Interpolation interpolation = Interpolation::Machine;
    std::optional<PulseIteration> pulses;
    // No iteration at all: the row that tells a skipped segment (number 0,
    // the registers as handed over, the tool at the segment's start).
    bool skipped = false;

    friend bool operator==(const StepRecord&, const StepRecord&) = default;
};

// Told of every interpolation iteration, after its end test. Called from the
// interpolation timer's tick, so it must be quick.
class StepObserver {
public:
    virtual ~StepObserver() = default;
    virtual void interpolated(const StepRecord& record, const Segment& segment) = 0;
    // A segment the machine leaves out without an iteration: a full circle.
    // Told when the segment is handed over; an observer that lists only
    // iterations need not listen.
    virtual void skipped(const Segment& /*segment*/) {}

    // How far the observer's record had come, taken with each of the
    // machine's snapshots; a step back that goes back to the snapshot hands
    // it back to rewind(). An observer that keeps nothing takes no mark and
    // rewinds at once; one that cannot go back answers false, and the run
    // is then replayed from its start.
    struct Mark {
        virtual ~Mark() = default;
    };
    virtual std::unique_ptr<Mark> mark() const { return nullptr; }
    virtual bool rewind(const Mark* /*mark*/) { return false; }
};

}  // namespace tarvo::motion
