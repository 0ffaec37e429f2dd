#pragma once

#include <utility>
#include <variant>

#include "motion/ComparisonArc.h"
#include "motion/ComparisonLine.h"
#include "motion/IntegrationArc.h"
#include "motion/IntegrationLine.h"

namespace tarvo::motion {

// One iteration of whichever textbook method a figure is stepped by.
using PulseIteration = std::variant<ComparisonStep, IntegrationStep>;

// Any of the four textbook steppers behind one face, for those that show or
// ask about iterations whatever their method: the table, the drawing and the
// exercises.
class PulseStepper {
public:
    using Stepper = std::variant<ComparisonLine, ComparisonArc, IntegrationLine, IntegrationArc>;

    explicit PulseStepper(Stepper stepper) : stepper_(std::move(stepper)) {}

    bool finished() const {
        return std::visit([](const auto& s) { return s.finished(); }, stepper_);
    }
    // One iteration; called only while not finished.
    PulseIteration next() {
        return std::visit([](auto& s) { return PulseIteration(s.next()); }, stepper_);
    }
    // Where the figure's point stands: a line's from its start, an arc's from its centre.
    PulsePoint point() const {
        return std::visit([](const auto& s) { return s.point(); }, stepper_);
    }

private:
    Stepper stepper_;
};

}  // namespace tarvo::motion
