#pragma once

#include "motion/Segment.h"
#include "motion/StepRecord.h"

namespace tarvo::teach {

// The table's row for a segment the machine leaves out (a full circle): no
// feed, the registers as the segment was handed over, the tool at its start.
motion::StepRecord skippedRecord(const motion::Segment& segment);

}  // namespace tarvo::teach
