#pragma once

#include <string>

namespace tarvo::teach {

class StepTable;

// The line above the interpolation table, in UTF-8, for the newest row: the
// run's method as the method menu names it, the row's line, mode and method,
// what sizes its registers (the machine's capacity regmax in mm, or the
// textbook DDA's width "N = 4 位", with 半加载 when its registers started
// half full), the iteration and how many rows are kept. Read by the shells
// whenever the table has taken in rows.
std::string tableCaption(const StepTable& table);

}  // namespace tarvo::teach
