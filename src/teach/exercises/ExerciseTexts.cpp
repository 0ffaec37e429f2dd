#include "teach/exercises/ExerciseTexts.h"

#include <variant>

#include "motion/Overloaded.h"
#include "teach/exercises/Exercise.h"
#include "teach/exercises/ExerciseReport.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

using words::fill;
using words::say;

std::string remainder(char axis, std::int64_t value, bool adds) {
    const std::string held =
        adds ? std::string()
             : fill("（{1} 已走完）", {std::string(1, static_cast<char>(axis - 32))});
    return "J_R" + std::string(1, axis) + " = " + std::to_string(value) + held;
}

}  // namespace

std::string_view exercisePrompt() {
    return say("输入老师给的练习码，或按“新代码”，再按“开始”。");
}

std::string_view exerciseNotSaved() {
    return say("本次作答还没有导出：先导出 CSV，或再按“开始”重新作答（已答的步不再保留）");
}

std::string_view classFileTooLarge() {
    return say("文件超过 4 MiB，不是练习答案");
}

std::string pointText(motion::PulsePoint p) {
    return "(" + pulseText(p.x) + ", " + pulseText(p.y) + ")";
}

std::string attemptText(const ExerciseAttempt& attempt) {
    return fill("练习码 {1}　{2}　第 {3} 次",
                {attempt.code, studentText(attempt.student), std::to_string(attempt.count)});
}

std::string taskText(const ExerciseRound& round) {
    return fill("第 {1} / {2} 题　{3}", {std::to_string(round.number()),
                                         std::to_string(round.count()), round.exercise().text()});
}

std::string knownText(const motion::PulseIteration& iteration) {
    return std::visit(
        motion::Overloaded{
            [](const motion::ComparisonStep& step) {
                return fill(
                    "第 {1} 步前：点 {2}，F = {3}",
                    {std::to_string(step.number), pointText(step.point), pulseText(step.f)});
            },
            [](const motion::IntegrationStep& step) {
                return fill(
                    "第 {1} 步前：点 {2}\nJ_Vx = {3}，J_Vy = {4}；{5}，{6}；容量 {7}",
                    {std::to_string(step.number), pointText(step.point), std::to_string(step.jvx),
                     std::to_string(step.jvy), remainder('x', step.jrx, step.addsX),
                     remainder('y', step.jry, step.addsY), std::to_string(step.capacity)});
            }},
        iteration);
}

std::string doneText(const ExerciseRound& round) {
    return fill("本题完成，到达终点 {1}。", {pointText(round.path().back())});
}

std::string exerciseMark(const Graded& graded) {
    if (graded.right) return "✓ " + graded.answer;
    if (graded.answer == say("未答")) return fill("✗ 未答，应为 {1}", {graded.expected});
    return fill("✗ 答 {1}，应为 {2}", {graded.answer, graded.expected});
}

std::string verdictText(std::int64_t iteration, const std::vector<Graded>& marked) {
    static const char* const comparison[] = {"进给", "新偏差"};
    std::string marks;
    for (std::size_t i = 0; i < marked.size(); ++i) {
        const char* part = marked.size() == 1 ? "溢出" : comparison[i];
        const std::string mark = fill("{1} {2}", {say(part), exerciseMark(marked[i])});
        marks = i == 0 ? mark : fill("{1}；{2}", {marks, mark});
    }
    return fill("第 {1} 步：{2}", {std::to_string(iteration), marks}) + "\n" +
           (marked.empty() ? std::string() : marked.front().explanation);
}

std::string scoreHeadText(const ExerciseRound& round) {
    return fill("练习码 {1}：{2}", {round.code(), round.score().scoreText()});
}

std::string scoreStudentText(const ExerciseAttempt& attempt) {
    return fill(
        "{1}　第 {2} 次　{3} {4}",
        {studentText(attempt.student), std::to_string(attempt.count), attempt.date, attempt.time});
}

}  // namespace tarvo::teach
