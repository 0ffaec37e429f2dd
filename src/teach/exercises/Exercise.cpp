#include "teach/exercises/Exercise.h"

#include "motion/Methods.h"
#include "words/Catalogue.h"

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
    const std::string_view method = words::say(motion::textbookMethod(this->method).caption);
    const std::string q = std::to_string(quadrant());
    std::string text;
    if (!arc) {
        text = words::fill("{1} 直线 L{2}：(0, 0) → {3}", {method, q, pointText(end)});
    } else {
        text = words::fill(clockwise ? "{1} 圆弧 G02 SR{2}，圆心 (0, 0)：{3} → {4}"
                                     : "{1} 圆弧 G03 NR{2}，圆心 (0, 0)：{3} → {4}",
                           {method, q, pointText(start), pointText(end)});
    }
    if (this->method == motion::Method::Comparison) return text;
    return words::fill(halfLoad ? "{1}，半加载" : "{1}，清零", {text});
}

}  // namespace tarvo::teach
