#pragma once

#include <string>

#include "motion/StepRecord.h"
#include "teach/TextbookColumns.h"

namespace tarvo::teach {

// The interpolation table's other face (机床寄存器): each row as the machine
// holds it, its registers in millimetres and tenths, not the textbook's pulses.
namespace registers {
enum Column { Line, Step, Method, Before, Decision, Feed, After, X, Y, Z, Distance, Columns };
}

const ColumnTitle& registerTitle(int column);

// The cell's text in UTF-8, as the window shows it.
std::string registerCell(const motion::StepRecord& record, int column);

}  // namespace tarvo::teach
