#pragma once

#include <string>
#include <string_view>

#include "teach/AnswerSheet.h"

namespace tarvo::teach {

// How the interpolation table shows 先答后看: a hidden row keeps its line and
// step, and from this column on shows only the question's mark; an answered
// row carries ✓ or ✗ on the cells answered.
inline constexpr int firstHiddenColumn = 2;
inline constexpr std::string_view hiddenCell = "?";
inline constexpr std::string_view hiddenTip = "先作答，再看本步";
// A new F that is no whole number is refused with this, in place of the score.
inline constexpr std::string_view deviationRefused = "新偏差 F 应为整数，如 −3";

// The answer marked in a column of either face: the feed beside the feed,
// the new F beside its calculation (or the registers after), the overflows
// beside the judgement. Null where none is.
const Graded* markedAt(const AnswerSheet::Answers& answers, int column, bool registers);

// "答对 2 / 3": the answers kept and how many were right.
std::string scoreText(const AnswerSheet& sheet);

}  // namespace tarvo::teach
