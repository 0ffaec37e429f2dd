#pragma once

#include <string>

#include "teach/ExerciseScore.h"

namespace tarvo::teach {

// A round of exercises as a web page to keep or print: the code, the date
// when one is given, the score, and every answer under its exercise with ✓
// or ✗, the wrong ones highlighted. One self-contained UTF-8 page, its style
// inline, laid out for A4 when printed; every text is escaped.
std::string exerciseReport(const ExerciseScore& score, const std::string& code,
                           const std::string& date = {});

}  // namespace tarvo::teach
