#pragma once

#include <string>

#include "interp/Machine.h"
#include "support/Programs.h"
#include "support/RecordingCanvas.h"
#include "support/RecordingPanel.h"

namespace tarvo::test {

// A machine whose three views are recorded: axonometric, plan, magnified.
struct ViewRig {
    RecordingPanel panel;
    RecordingCanvas linez, linep, liner;
    interp::Machine machine{panel, linez, linep, liner};

    // Runs a program to its end; the start symbol is added when missing.
    void run(const std::string& program, double dl = 1, std::int16_t bei = 1) {
        interp::Parameters p = withDl(dl);
        p.bei = bei;
        runToEnd(machine, program.starts_with('%') ? program : "%\r\n" + program, p);
    }
};

// Where a user coordinate falls across a view, 0 at the left (top) edge and
// 1 at the right (bottom) edge: what the screen shows, whatever the scale.
inline double across(float v, float first, float last) {
    return (static_cast<double>(v) - first) / (static_cast<double>(last) - first);
}

}  // namespace tarvo::test
