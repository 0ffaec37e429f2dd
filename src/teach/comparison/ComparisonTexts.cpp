#include "teach/comparison/ComparisonTexts.h"

#include "motion/exact/RoundedText.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

std::string pulses(double d) {
    return motion::roundedText(d, 3);
}

}  // namespace

std::array<std::string_view, 11> comparisonColumns() {
    using words::say;
    return {say("程序段"),   say("方法"),     say("步数"),    say("迭代"),
            say("无进给"),   say("X 脉冲"),   say("Y 脉冲"),  say("Z 脉冲"),
            say("最大偏差"), say("平均偏差"), say("合成进给")};
}

std::string_view comparisonTotals() {
    return words::say("合计（不含 G00）");
}

std::string_view comparisonTicks() {
    return words::say("完成节拍数（全程）");
}

std::string_view comparisonRunning() {
    return words::say("正在运行……");
}

std::string_view comparisonPrompt() {
    return words::say("对比编辑器中的程序，用当前参数。");
}

std::string_view comparisonFinished() {
    return words::say("两种方法都走完了程序。");
}

std::string omittedMoves(std::size_t moves) {
    return words::fill("其余 {1} 段从略（已计入合计）", {std::to_string(moves)});
}

std::string moveName(const MoveFigures& move) {
    const std::string name = words::fill(
        "第{1}行 G0{2}", {std::to_string(move.line), std::to_string(static_cast<int>(move.gmode))});
    return move.rapid() ? words::fill("{1}（不计入合计）", {name}) : name;
}

std::string trialName(std::string_view caption, bool halfLoad) {
    const std::string_view name = words::say(caption);
    return halfLoad ? words::fill("{1}（半加载）", {name}) : std::string(name);
}

std::array<std::string, 9> figureCells(const MethodFigures& f) {
    return {
        std::to_string(f.steps()),   std::to_string(f.iterations()), std::to_string(f.idle()),
        std::to_string(f.pulses[0]), std::to_string(f.pulses[1]),    std::to_string(f.pulses[2]),
        pulses(f.largestDeviation),  pulses(f.meanDeviation()),      pulses(f.feeds.meanFeed())};
}

std::string trialNotice(const MethodTrial& trial, std::string_view name) {
    switch (trial.end()) {
        case MethodTrial::End::Running:
        case MethodTrial::End::Finished:
            return {};
        case MethodTrial::End::Error:
            return words::fill("{1}：{2}", {name, trial.message()});
        case MethodTrial::End::TickLimit:
            return words::fill("{1}：{2} 节拍后仍未走完，只比较已走的部分。",
                               {name, std::to_string(comparisonTickLimit)});
        case MethodTrial::End::Cancelled:
            return std::string(words::say("已取消，只比较已走的部分。"));
    }
    return {};
}

}  // namespace tarvo::teach
