#pragma once

#include <string>

#include "teach/exercises/ClassSummary.h"

namespace tarvo::teach {

// The class summary as a web page to print: the code, the date when one is
// given, the class's score, every student with their score, every step with
// the wrong answers given to it (the steps some got wrong highlighted), and
// the files left out with the reason. One self-contained UTF-8 page, its
// style inline, laid out for A4; every text is escaped.
std::string classSummaryPage(const ClassSummary& summary, const std::string& date = {});

}  // namespace tarvo::teach
