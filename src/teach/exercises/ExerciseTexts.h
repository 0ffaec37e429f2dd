#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "motion/PulseStep.h"
#include "teach/exercises/ExerciseAttempt.h"
#include "teach/exercises/ExerciseGrading.h"
#include "teach/exercises/ExerciseRound.h"

namespace tarvo::teach {

// What the exercises show a student while they answer, in UTF-8, as the
// window's panel and the web page word it.

// Said in the spoken language when called.
std::string_view exercisePrompt();
std::string_view exerciseNotSaved();

// A student's file of answers is some kilobytes; anything larger than this
// is left out of the class summary unread, with this reason.
inline constexpr std::size_t largestClassFile = std::size_t{4} << 20;
std::string_view classFileTooLarge();

// "(3, −2)"
std::string pointText(motion::PulsePoint point);
// "练习码 AB234　张三 2023001　第 2 次"
std::string attemptText(const ExerciseAttempt& attempt);
// "第 2 / 4 题　逐点比较法 直线 L2：(0, 0) → (−3, 5)"
std::string taskText(const ExerciseRound& round);
// What stands before the iteration asked: "第 3 步前：点 (1, 2)，F = −4", or
// an integration's point, integrands, remainders and capacity.
std::string knownText(const motion::PulseIteration& iteration);
// "本题完成，到达终点 (−3, 5)。"
std::string doneText(const ExerciseRound& round);
// An answer marked: "✓ +X", "✗ 答 +Y，应为 +X", "✗ 未答，应为 3".
std::string exerciseMark(const Graded& graded);
// The marks of an iteration answered, named, then the formula that decides
// them: "第 3 步：进给 ✓ +X；新偏差 ✗ 答 2，应为 1\nF = …". A comparison's
// marks are the feed's and the new F's, an integration's the overflows'.
std::string verdictText(std::int64_t iteration, const std::vector<Graded>& marked);
// The score page's head, "练习码 K7M3Q：答对 66 / 68", and who answered
// when, "姓名 张三　学号 2026001　第 2 次　2026-12-07 08:05:09".
std::string scoreHeadText(const ExerciseRound& round);
std::string scoreStudentText(const ExerciseAttempt& attempt);

}  // namespace tarvo::teach
