#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "words/Language.h"

namespace tarvo::teach {

// One answer of a student's exercise file, its texts as the file has them
// (ASCII minus), but for the words of the exercises (the item, 未答, 无, the
// registers), which are said in the language spoken when it was read.
struct SheetAnswer {
    std::size_t line = 0;      // in the file, from 1
    std::size_t exercise = 0;  // 题号, from 1
    std::string task;          // 题目
    std::int64_t iteration = 0;
    std::string item;  // 答项: 进给, F or 溢出
    std::string answer, expected, explanation;
    bool right = false;
};

// A student's latest attempt at a code's exercises, from the CSV the
// exercises export: who, when, which attempt of how many, the score and
// every answer in the file's order.
struct ExerciseSheet {
    std::string code, name, number, date, time;
    std::int64_t attempt = 0;
    std::size_t attempts = 0;  // the different attempts the file holds
    std::size_t rights = 0, total = 0;
    std::vector<SheetAnswer> answers;
    words::Language language = words::Language::chinese;  // of the file's header
};

// The columns of an exercise file, in order: the Chinese header, and the
// header in a language. A file is written under the header of the language
// spoken and read under either.
const std::vector<std::string>& exerciseSheetColumns();
const std::vector<std::string>& exerciseSheetColumns(words::Language language);

// Reads a student's exercise file: UTF-8, a byte-order mark or none, the
// header and one line an answer, its words (答项, 对错, 未答, 无, J_Rx、J_Ry)
// in either language. Takes the attempt with the highest number.
// Throws std::invalid_argument with the reason in the language spoken for anything else:
// bytes that are not UTF-8, another header, a line that is no answer, lines
// that disagree on the code, the student or their attempt's date, time and
// score, an answer given twice, or a score its own lines do not add up to.
ExerciseSheet readExerciseSheet(std::string_view bytes);

}  // namespace tarvo::teach
