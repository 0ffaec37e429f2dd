#include "teach/exercises/Exercise.h"

#include "motion/Methods.h"

namespace tarvo::teach {

namespace {

std::string pointText(motion::PulsePoint p) {
    return '(' + pulseText(p.x) + ", " + pulseText(p.y) + ')';
}

}  // namespace

std::string pulseText(std::int64_t value) {
    return value < 0 ? "−" + std::to_string(-value) : std::to_string(value);
}

motion::PulseStepper Exercise::stepper() const {
    const bool comparison = method == motion::Method::Comparison;
    if (!arc) {
        if (comparison) return motion::PulseStepper(motion::ComparisonLine(end));
        return motion::PulseStepper(motion::IntegrationLine(end, halfLoad));
    }
    const motion::PulseArc figure(start, end, clockwise);
    if (comparison) return motion::PulseStepper(motion::ComparisonArc(figure));
    return motion::PulseStepper(motion::IntegrationArc(figure, halfLoad));
}

int Exercise::quadrant() const {
    if (!arc) return motion::ComparisonLine(end).quadrant();
    const bool cw = clockwise;
    const int q = motion::counterClockwiseQuadrant({start.x, cw ? -start.y : start.y});
    return cw ? 4 - q : q + 1;
}

std::string Exercise::text() const {
    const bool comparison = method == motion::Method::Comparison;
    std::string text = std::string(motion::textbookMethod(method).caption) + " ";
    const std::string q = std::to_string(quadrant());
    if (arc) {
        text += clockwise ? "圆弧 G02 SR" + q : "圆弧 G03 NR" + q;
        text += "，圆心 (0, 0)：" + pointText(start) + " → " + pointText(end);
    } else {
        text += "直线 L" + q + "：(0, 0) → " + pointText(end);
    }
    if (!comparison) text += halfLoad ? "，半加载" : "，清零";
    return text;
}

}  // namespace tarvo::teach
