#pragma once

#include <deque>
#include <string>

#include "motion/StepRecord.h"

namespace tarvo::teach {

// The interpolation table as CSV text in UTF-8, for the runner's --steps file
// and the window's export: a header, then one row per iteration with the
// registers before and after it, the decision, the feed, the new point and
// the end test's distance. Registers and points are written as the runner's
// trace writes them, exactly, and the distance as the shortest text of its
// double; units as the machine holds them (remainders in mm, positions in
// tenths of a mm, the deviation in tenths squared).
std::string stepCsvHeader();
std::string stepCsvRow(const motion::StepRecord& record);

// The header and the given rows.
std::string stepCsv(const std::deque<motion::StepRecord>& rows);

}  // namespace tarvo::teach
