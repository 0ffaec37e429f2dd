#pragma once

#include <string>

#include "teach/exercises/ExerciseRound.h"

namespace tarvo::teach {

// An attempt at a code's exercises as a CSV table, so that a class's answers
// can be traced to each student and compared in a spreadsheet or gathered by
// a summary.
//
// The file is written in the language spoken, read back in either (the
// English header and words are the catalogue's: Feed, Overflow, right,
// wrong, no answer, none). The file: UTF-8 with a byte-order mark (spreadsheets need it to read
// Chinese), lines ending in LF, a field put in double quotes when it holds a
// comma, a double quote, CR or LF, its double quotes doubled. Every minus in
// every field is the ASCII hyphen-minus "-" (never U+2212), so that a
// spreadsheet reads "-8" as a number. The first line is the header
//
//   代码,姓名,学号,日期,时间,次,题号,题目,步,答项,作答,应为,对错,答对,总数,说明
//
// then one line an answer, in the order answered, then the answers not given
// when the attempt was exported early, in the order they would have been
// asked. The fields:
//   代码  the canonical code, five characters, e.g. AB234
//   姓名  the student's name as typed (may be empty)
//   学号  the student number as typed (may be empty)
//   日期  the local date the attempt started, YYYY-MM-DD
//   时间  the local time the attempt started, HH:MM:SS
//   次    which attempt of this student at this code: 1, 2, ...
//   题号  the exercise, numbered from 1
//   题目  the exercise's text, e.g. 逐点比较法 直线 L2：(0, 0) → (-3, 5)
//   步    the iteration, numbered from 1 in each exercise
//   答项  what is answered: 进给 (the feed) or F (the new deviation) on a
//         comparison iteration, 溢出 (the overflows) on an integration one
//   作答  the answer given: a feed +X, -X, +Y, -Y; a whole number; the
//         overflowing registers J_Rx, J_Ry, J_Rx、J_Ry or 无; 未答 when skipped
//   应为  the right answer, written the same way
//   对错  对 or 错 (未答 is 错)
//   答对  the attempt's right answers when exported, the same on every line
//   总数  the answers the code asks in all (two an iteration by comparison,
//         one by integration), the same for every attempt at the code
//   说明  the formula that decides the answer, e.g. F = 2 ≥ 0 → +X；F = 2 - 3 = -1
std::string exerciseCsv(const ExerciseRound& round);

}  // namespace tarvo::teach
