#pragma once

#include <deque>
#include <string>

#include "motion/StepRecord.h"

namespace tarvo::teach {

// The interpolation table as CSV text in UTF-8, for the runner's --steps file
// and the window's export: a header, then one row per iteration with the
// registers before and after it, the decision, the feed, the new point and
// the end test's distance. Numbers are written as the runner's trace writes
// them, shortest text that reads back to the same double; units as the
// machine holds them (remainders in mm, positions in tenths of a mm).
std::string stepCsvHeader();
std::string stepCsvRow(const motion::StepRecord& record);

// The header and the given rows.
std::string stepCsv(const std::deque<motion::StepRecord>& rows);

}  // namespace tarvo::teach
