#pragma once

#include <cstdint>
#include <string>

#include "motion/PulseStepper.h"
#include "motion/StepRecord.h"

namespace tarvo::teach {

// One exercise of predict-then-see: a figure in whole pulses and the method
// that steps it. A line runs from (0, 0) to its end; an arc runs about its
// centre (0, 0) from its start to its end.
struct Exercise {
    motion::Method method = motion::Method::Comparison;
    bool arc = false;
    motion::PulsePoint start, end;
    bool clockwise = false;  // an arc's sense: G02 when set, else G03
    bool halfLoad = false;   // digital integration's registers start half full (半加载)

    // A fresh stepper at the figure's start.
    motion::PulseStepper stepper() const;
    // The quadrant, 1 to 4, the figure lies in (an arc: where it starts).
    int quadrant() const;
    // What the student is set, e.g. "逐点比较法 直线 L2：(0, 0) → (−3, 5)".
    std::string text() const;

    friend bool operator==(const Exercise&, const Exercise&) = default;
};

// A pulse count as the exercises write it, with a true minus sign: "−3".
std::string pulseText(std::int64_t value);

}  // namespace tarvo::teach
