#include "teach/ComparisonTexts.h"

#include "teach/RoundedText.h"

namespace tarvo::teach {

namespace {

std::string pulses(double d) {
    return roundedText(d, 3);
}

}  // namespace

std::string omittedMoves(std::size_t moves) {
    return "其余 " + std::to_string(moves) + " 段从略（已计入合计）";
}

std::string moveName(const MoveFigures& move) {
    const std::string name =
        "第" + std::to_string(move.line) + "行 G0" + std::to_string(static_cast<int>(move.gmode));
    return move.rapid() ? name + "（不计入合计）" : name;
}

std::string trialName(std::string_view caption, bool halfLoad) {
    return std::string(caption) + (halfLoad ? "（半加载）" : "");
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
            return std::string(name) + "：" + trial.message();
        case MethodTrial::End::TickLimit:
            return std::string(name) + "：" + std::to_string(comparisonTickLimit) +
                   " 节拍后仍未走完，只比较已走的部分。";
        case MethodTrial::End::Cancelled:
            return "已取消，只比较已走的部分。";
    }
    return {};
}

}  // namespace tarvo::teach
