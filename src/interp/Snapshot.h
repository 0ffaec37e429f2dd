#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "interp/Dispatch.h"
#include "interp/RunOrigin.h"
#include "motion/OutputByte.h"
#include "motion/StepRecord.h"
#include "motion/StoredPath.h"
#include "views/Canvas.h"

namespace tarvo::interp {

// What the machine last told the panel about the program's lines.
struct LineMarks {
    std::int64_t caret = 0, line = 0, executing = -1;
};

// The whole machine at one moment of a run, as a value, with how far the
// records that only grow (stored path, the drawing of the plan and
// axonometric views) had come. A step back puts the machine back to the
// latest one before where it is going and replays the rest of the way.
// 864 bytes each, and the step observers' marks; a machine keeps at most
// Machine::snapshotLimit.
struct Snapshot {
    CarriedState carried;
    std::int64_t txtpos = 0, txtline = 0;
    std::string_view gcode, mcode, lcode;
    std::uint8_t outdata = 0;
    Switches switches;
    bool lineDone = false;
    LineMarks marks;
    double au = 0, av = 0;  // the axonometric drawing's current point
    motion::StoredPath::Mark path;
    views::DrawingMark linez, linep;
    std::vector<std::unique_ptr<motion::StepObserver::Mark>> observers;  // as they are listed
};

}  // namespace tarvo::interp
