#pragma once

#include <ostream>

#include "motion/StepRecord.h"

namespace tarvo::cli {

// Writes the interpolation table CSV (--steps): the header, then one row as
// each interpolation iteration happens, so a run of any length is written
// whole without being held in memory.
class StepWriter : public motion::StepObserver {
public:
    explicit StepWriter(std::ostream& out);
    void interpolated(const motion::StepRecord& record, const motion::Segment& segment) override;

private:
    std::ostream& out_;
};

}  // namespace tarvo::cli
