#pragma once

#include <cstdint>

#include "motion/Segment.h"
#include "motion/StepDrawing.h"

namespace tarvo::motion {

// How an interpolation iteration decides which axis to feed.
enum class Method : std::int8_t {
    Integration,  // digital integration: straight moves
    Comparison,   // point-by-point comparison: arcs
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
    double regmax = 0;         // register capacity of a straight move, mm
    std::int8_t feed[3] = {};  // per axis X, Y, Z: +1 or -1 when fed, 0 when not
    Point3 point{};            // the tool point after the iteration
    double distance = 0;       // the end test's distance after the iteration
};

// Told of every interpolation iteration, after its end test. Called from the
// interpolation timer's tick, so it must be quick.
class StepObserver {
public:
    virtual ~StepObserver() = default;
    virtual void interpolated(const StepRecord& record, const Segment& segment) = 0;
};

}  // namespace tarvo::motion
