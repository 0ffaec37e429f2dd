#pragma once

#include <string>

#include "teach/exercises/ExerciseAttempt.h"
#include "teach/exercises/ExerciseScore.h"

namespace tarvo::teach {

// An attempt at a code's exercises as a web page to keep or print: the
// code, the student, the attempt with the date and time it started, the
// score, and every answer under its exercise with ✓ or ✗, the wrong ones
// highlighted. One self-contained UTF-8 page, its style inline, laid out for
// A4 when printed; every text is escaped.
std::string exerciseReport(const ExerciseScore& score, const ExerciseAttempt& attempt);

// "姓名 张三　学号 2026001": as the score page and the printed page head an
// attempt, "未填" for a field left empty.
std::string studentText(const Student& student);

}  // namespace tarvo::teach
