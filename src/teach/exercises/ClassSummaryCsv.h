#pragma once

#include <string>

#include "teach/exercises/ClassSummary.h"

namespace tarvo::teach {

// The class summary for a spreadsheet, as two files of one table each, so
// that a spreadsheet's sorting and filters take the whole sheet and the
// score column goes straight into a mark book. Both are UTF-8 with a
// byte-order mark, ASCII minus throughout.

// The students: one line each, then the files left out, with no score and
// the reason in 备注, so that no student goes missing unnoticed.
std::string classStudentsCsv(const ClassSummary& summary);
// The steps as the exercises go: who answered, how many wrongly, with what.
std::string classStepsCsv(const ClassSummary& summary);

// What the summary notes about a counted student: an earlier attempt not
// taken, a student number another file carries too.
std::string studentRemark(const ClassStudent& student);

}  // namespace tarvo::teach
