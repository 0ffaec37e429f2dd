#include "teach/exercises/ExerciseTexts.h"

#include <variant>

#include "motion/Overloaded.h"
#include "teach/exercises/Exercise.h"
#include "teach/exercises/ExerciseReport.h"

namespace tarvo::teach {

namespace {

std::string remainder(char axis, std::int64_t value, bool adds) {
    const std::string held =
        adds ? std::string() : "（" + std::string(1, static_cast<char>(axis - 32)) + " 已走完）";
    return "J_R" + std::string(1, axis) + " = " + std::to_string(value) + held;
}

}  // namespace

std::string pointText(motion::PulsePoint p) {
    return "(" + pulseText(p.x) + ", " + pulseText(p.y) + ")";
}

std::string attemptText(const ExerciseAttempt& attempt) {
    return "练习码 " + attempt.code + "　" + studentText(attempt.student) + "　第 " +
           std::to_string(attempt.count) + " 次";
}

std::string taskText(const ExerciseRound& round) {
    return "第 " + std::to_string(round.number()) + " / " + std::to_string(round.count()) +
           " 题　" + round.exercise().text();
}

std::string knownText(const motion::PulseIteration& iteration) {
    return std::visit(motion::Overloaded{[](const motion::ComparisonStep& step) {
                                             return "第 " + std::to_string(step.number) +
                                                    " 步前：点 " + pointText(step.point) +
                                                    "，F = " + pulseText(step.f);
                                         },
                                         [](const motion::IntegrationStep& step) {
                                             return "第 " + std::to_string(step.number) +
                                                    " 步前：点 " + pointText(step.point) +
                                                    "\nJ_Vx = " + std::to_string(step.jvx) +
                                                    "，J_Vy = " + std::to_string(step.jvy) + "；" +
                                                    remainder('x', step.jrx, step.addsX) + "，" +
                                                    remainder('y', step.jry, step.addsY) +
                                                    "；容量 " + std::to_string(step.capacity);
                                         }},
                      iteration);
}

std::string doneText(const ExerciseRound& round) {
    return "本题完成，到达终点 " + pointText(round.path().back()) + "。";
}

std::string exerciseMark(const Graded& graded) {
    if (graded.right) return "✓ " + graded.answer;
    if (graded.answer == "未答") return "✗ 未答，应为 " + graded.expected;
    return "✗ 答 " + graded.answer + "，应为 " + graded.expected;
}

std::string verdictText(std::int64_t iteration, const std::vector<Graded>& marked) {
    static const char* const comparison[] = {"进给", "新偏差"};
    std::string marks;
    for (std::size_t i = 0; i < marked.size(); ++i) {
        const char* part = marked.size() == 1 ? "溢出" : comparison[i];
        marks += (i == 0 ? "" : "；") + std::string(part) + " " + exerciseMark(marked[i]);
    }
    return "第 " + std::to_string(iteration) + " 步：" + marks + "\n" +
           (marked.empty() ? std::string() : marked.front().explanation);
}

std::string scoreHeadText(const ExerciseRound& round) {
    return "练习码 " + round.code() + "：" + round.score().scoreText();
}

std::string scoreStudentText(const ExerciseAttempt& attempt) {
    return studentText(attempt.student) + "　第 " + std::to_string(attempt.count) + " 次　" +
           attempt.date + " " + attempt.time;
}

}  // namespace tarvo::teach
