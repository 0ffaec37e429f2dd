#pragma once

#include <string>
#include <string_view>

#include "teach/exercises/AnswerSheet.h"

namespace tarvo::teach {

// How the interpolation table shows 先答后看: a hidden row keeps its line and
// step, and from this column on shows only the question's mark; an answered
// row carries ✓ or ✗ on the cells answered.
inline constexpr int firstHiddenColumn = 2;
inline constexpr std::string_view hiddenCell = "?";
// The hidden row's tip, "先作答，再看本步", said in the language spoken.
std::string_view hiddenTip();
// A new F that is no whole number is refused with this, in place of the score.
std::string_view deviationRefused();

// The answer marked in a column of either face: the feed beside the feed,
// the new F beside its calculation (or the registers after), the overflows
// beside the judgement. Null where none is.
const Graded* markedAt(const AnswerSheet::Answers& answers, int column, bool registers);

// "答对 2 / 3": the answers kept and how many were right.
std::string scoreText(const AnswerSheet& sheet);

}  // namespace tarvo::teach
