#include "teach/exercises/ExerciseGrading.h"

#include <cstdlib>

#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

std::string judgement(const Exercise& exercise, const motion::ComparisonStep& step) {
    const std::string feed = pulseFeedText(step.feed);
    if (!exercise.arc && exercise.end.x == 0) return "Xe = 0 → " + feed;
    return "F = " + pulseText(step.f) + (step.f < 0 ? " < 0 → " : " ≥ 0 → ") + feed;
}

// A term added to F, with its sign written as an operator: " + 5", " − 3".
std::string term(std::int64_t value, const std::string& text) {
    return (value < 0 ? " − " : " + ") + text;
}

// How the feed changed F: by |Xe| or |Ye| on a line, by ±2c + 1 on an arc.
std::string newDeviation(const Exercise& exercise, const motion::ComparisonStep& step) {
    std::string text = "F = " + pulseText(step.f);
    if (!exercise.arc) {
        const std::int64_t by =
            step.feed.x != 0 ? -std::llabs(exercise.end.y) : std::llabs(exercise.end.x);
        text += term(by, std::to_string(std::llabs(by)));
    } else {
        const std::int64_t c = step.feed.x != 0 ? step.point.x : step.point.y;
        const std::int8_t d = step.feed.x != 0 ? step.feed.x : step.feed.y;
        text += term(c * d, "2×" + std::to_string(std::llabs(c))) + " + 1";
    }
    return text + " = " + pulseText(step.fAfter);
}

std::string explanation(const Exercise& exercise, const motion::ComparisonStep& step) {
    return words::fill("{1}；{2}", {judgement(exercise, step), newDeviation(exercise, step)});
}

// One remainder register's part of an iteration.
struct Register {
    char axis;
    std::int64_t remainder, integrand, after;
    bool adds, overflow;
    std::int8_t feed;
};

// The X or the Y remainder register of an iteration.
Register registerOf(const motion::IntegrationStep& step, char axis) {
    const bool x = axis == 'X';
    return {axis,
            x ? step.jrx : step.jry,
            x ? step.jvx : step.jvy,
            x ? step.jrxAfter : step.jryAfter,
            x ? step.addsX : step.addsY,
            x ? step.overflowX : step.overflowY,
            x ? step.feed.x : step.feed.y};
}

std::string registerText(const Register& r, std::int64_t capacity) {
    const std::string name = std::string("J_R") + static_cast<char>(r.axis - 'X' + 'x');
    if (!r.adds) {
        return words::fill("{1} = {2}，{3} 已走完本段，停止累加",
                           {name, std::to_string(r.remainder), std::string(1, r.axis)});
    }
    const std::string sum = name + " = " + std::to_string(r.remainder) + " + " +
                            std::to_string(r.integrand) + " = " +
                            std::to_string(r.remainder + r.integrand);
    if (!r.overflow) return words::fill("{1} < {2}，不溢出", {sum, std::to_string(capacity)});
    return words::fill(
        "{1} ≥ {2} → 溢出 {3}，余 {4}",
        {sum, std::to_string(capacity), (r.feed > 0 ? "+" : "−") + std::string(1, r.axis),
         std::to_string(r.after)});
}

std::string overflowText(bool x, bool y) {
    if (x && y) return std::string(words::say("J_Rx、J_Ry"));
    return x ? "J_Rx" : (y ? "J_Ry" : std::string(words::say("无")));
}

}  // namespace

std::string pulseFeedText(motion::PulseFeed feed) {
    const auto axis = [](std::int8_t step, const char* name) {
        return step == 0 ? std::string() : (step > 0 ? "+" : "−") + std::string(name);
    };
    const std::string text = axis(feed.x, "X") + axis(feed.y, "Y");
    return text.empty() ? std::string(words::say("无")) : text;
}

Graded unanswered(Graded graded) {
    graded.right = false;
    graded.answer = words::say("未答");
    return graded;
}

Graded gradeFeed(const Exercise& exercise, const motion::ComparisonStep& step,
                 motion::PulseFeed answer) {
    return {answer == step.feed, pulseFeedText(answer), pulseFeedText(step.feed),
            explanation(exercise, step)};
}

Graded gradeDeviation(const Exercise& exercise, const motion::ComparisonStep& step,
                      std::int64_t answer) {
    return {answer == step.fAfter, pulseText(answer), pulseText(step.fAfter),
            explanation(exercise, step)};
}

std::vector<Graded> gradeComparison(const Exercise& exercise, const motion::ComparisonStep& step,
                                    motion::PulseFeed feed, std::optional<std::int64_t> deviation) {
    return {gradeFeed(exercise, step, feed), deviation
                                                 ? gradeDeviation(exercise, step, *deviation)
                                                 : unanswered(gradeDeviation(exercise, step, 0))};
}

Graded gradeOverflow(const motion::IntegrationStep& step, bool x, bool y) {
    const Register rx = registerOf(step, 'X');
    const Register ry = registerOf(step, 'Y');
    const std::string why =
        words::fill("{1}；{2}", {registerText(rx, step.capacity), registerText(ry, step.capacity)});
    return {x == step.overflowX && y == step.overflowY, overflowText(x, y),
            overflowText(step.overflowX, step.overflowY), why};
}

}  // namespace tarvo::teach
