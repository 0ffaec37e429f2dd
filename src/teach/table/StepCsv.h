#pragma once

#include <string>

#include "motion/StepRecord.h"
#include "teach/table/RowTexts.h"
#include "teach/table/TextbookStep.h"

namespace tarvo::teach {

class StepTable;

// The interpolation table as CSV text in UTF-8, beginning with a byte-order
// mark so that spreadsheets read the Chinese texts right. Minus is the ASCII
// '-' throughout; a field holding a comma or a quote is quoted.

// The runner's --steps file: ASCII column names, one row per iteration with
// the textbook's columns first (the point in pulses relative to the arc's
// centre or the line's start, F in pulse² for arcs, the end counter sigma
// after the step, the four beats' texts), then the machine's registers
// before and after it, exactly, in the units it holds them (remainders in mm,
// positions in tenths of a mm, the deviation in tenths squared), and last
// the width N in bits of a textbook DDA's registers, 2^N its capacity.
std::string stepCsvHeader();
// One row alone; a writer of many gathers them in StepCsvRows.
std::string stepCsvRow(const TextbookStep& step);

// The window's export: the textbook columns under the table's own captions,
// every kept row; a DDA's table adds the width N of each row's registers.
std::string textbookCsv(const StepTable& table);

}  // namespace tarvo::teach
