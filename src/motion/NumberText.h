#pragma once

#include <string>

namespace tarvo::motion {

// The text a read-out shows for a value in millimetres: the shortest decimal
// form with at most 15 significant digits, no trailing zeros, no point for
// whole numbers ("30", "-2.5", "1E+16").
std::string numberText(double value);

// The shortest text that reads back to the very same double (for traces).
std::string exactText(double value);

}  // namespace tarvo::motion
