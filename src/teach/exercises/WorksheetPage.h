#pragma once

#include <string>

#include "teach/exercises/ExerciseCode.h"

namespace tarvo::teach {

// The exercises a code fixes as a page to print and fill in by hand: a head
// with the code and blanks for 姓名, 学号 and 日期, then each exercise with
// its figure on the pulse grid and a table of its iterations, the step
// numbered and the textbook's four beats left blank; the cells the
// exercises ask for are shaded. One self-contained UTF-8 page, its style
// inline, laid out for A4; every text is escaped.
std::string worksheetPage(const ExerciseCode& code);

// The same page as its answer key: every beat filled in, the staircase
// drawn on the grid, and in the shaded cells the answers exactly as the
// exercises mark them right.
std::string answerKeyPage(const ExerciseCode& code);

}  // namespace tarvo::teach
