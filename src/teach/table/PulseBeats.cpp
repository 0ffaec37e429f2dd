#include "teach/table/PulseBeats.h"

#include <variant>

#include "motion/Overloaded.h"
#include "teach/table/PulseText.h"

namespace tarvo::teach {

namespace {

using motion::ComparisonStep;
using motion::IntegrationStep;
using motion::Overloaded;

std::string number(std::int64_t n) {
    return withMinusSign(std::to_string(n));
}

bool isLine(motion::Mode mode) {
    return mode == motion::Mode::Rapid || mode == motion::Mode::Line;
}

std::string pair(motion::PulsePoint p) {
    return "(" + number(p.x) + ", " + number(p.y) + ")";
}

// The quadrant L1 … L4 of a line's end: +X belongs to L1, +Y to L2, −X to L3, −Y to L4.
int lineQuadrant(motion::PulsePoint e) {
    if (e.x > 0 && e.y >= 0) return 1;
    if (e.x <= 0 && e.y > 0) return 2;
    if (e.x < 0 && e.y <= 0) return 3;
    return 4;
}

std::string roundingNote(const motion::StepRecord& r, const motion::PulseFigure& f) {
    if (r.number != 1 || !f.rounded) return {};
    if (isLine(r.gmode)) return "; 终点取整为 " + pair(f.end) + " 脉冲";
    return "; 起点、终点取整为 " + pair(f.start) + "、" + pair(f.end) + " 脉冲";
}

std::string overflows(const IntegrationStep& s) {
    if (s.overflowX && s.overflowY) return "JRx、JRy 溢出";
    if (s.overflowX || s.overflowY) return s.overflowX ? "JRx 溢出" : "JRy 溢出";
    return "无溢出";
}

std::string registerSum(const char* name, const char* axis, bool adds, std::int64_t before,
                        std::int64_t integrand, std::int64_t after, std::int64_t capacity) {
    const std::string jr = std::string("JR") + name;
    if (!adds) return jr + " = " + number(before) + " 保持";
    const std::int64_t sum = before + integrand;
    const std::string text =
        jr + " = " + number(before) + " + " + number(integrand) + " = " + number(sum);
    if (sum < capacity) return text + " < " + number(capacity);
    return text + " ≥ " + number(capacity) + " → Δ" + axis + ", 余 " + number(after);
}

// The rule a comparison line's iteration follows. On an axis the quadrant
// alone does not say it: along X, F stays 0 and the quadrant's F ≥ 0 rule
// feeds X; along Y, Xe = 0 leaves nothing to feed on X, so Y is fed as the
// quadrant's F < 0 rule feeds it, and F stays 0.
std::string lineRule(const ComparisonStep& c, motion::PulsePoint end) {
    const std::string quadrant = "L" + std::to_string(lineQuadrant(end));
    std::string text = "F = " + number(c.f) + (c.f < 0 ? " < 0, " : " ≥ 0, ") + quadrant;
    if (end.y == 0) {
        text += std::string("; Ye = 0 在 ") + (end.x > 0 ? "+X" : "−X") + " 轴上，按 " + quadrant;
    } else if (end.x == 0 && c.f >= 0) {
        const char* fed = end.y > 0 ? "+Y" : "−Y";
        text += std::string("; Xe = 0 在 ") + fed + " 轴上，X 不进给，按 F < 0 进给 " + fed;
    }
    return text;
}

std::string counter(std::int64_t before, std::int64_t after) {
    return number(before) + " → " + number(after);
}

motion::PulsePoint fedFrom(motion::PulsePoint point, motion::PulseFeed feed) {
    return {point.x + feed.x, point.y + feed.y};
}

motion::PulsePoint pointAfter(const motion::StepRecord& r) {
    return std::visit(Overloaded{[](const ComparisonStep& s) { return fedFrom(s.point, s.feed); },
                                 [](const IntegrationStep& s) { return fedFrom(s.point, s.feed); }},
                      *r.pulses);
}

}  // namespace

std::string pulseJudgement(const TextbookStep& step) {
    const motion::StepRecord& record = step.record;
    const std::string note = roundingNote(record, step.segment.figure);
    return std::visit(Overloaded{[&](const ComparisonStep& c) {
                                     return lineRule(c, step.segment.figure.end) + note;
                                 },
                                 [&](const IntegrationStep& s) { return overflows(s) + note; }},
                      *record.pulses);
}

std::string pulseCalculation(const motion::StepRecord& record) {
    return std::visit(
        Overloaded{[](const ComparisonStep& c) {
                       // An X feed takes |Ye| off, a Y feed adds |Xe|, even when that is 0.
                       const std::int64_t change = c.fAfter - c.f;
                       const bool xFed = c.feed.x != 0;
                       return "F = " + number(c.f) + (xFed ? " − " : " + ") +
                              std::to_string(xFed ? -change : change) + " = " + number(c.fAfter);
                   },
                   [](const IntegrationStep& s) {
                       return registerSum("x", "X", s.addsX, s.jrx, s.jvx, s.jrxAfter, s.capacity) +
                              "; " +
                              registerSum("y", "Y", s.addsY, s.jry, s.jvy, s.jryAfter, s.capacity);
                   }},
        *record.pulses);
}

std::string pulseSigma(const motion::StepRecord& record) {
    return std::visit(
        Overloaded{[](const ComparisonStep& c) { return counter(c.sigma + 1, c.sigma); },
                   [&](const IntegrationStep& s) {
                       if (isLine(record.gmode)) return counter(s.sigmaX + 1, s.sigmaX);
                       return "Σx " + counter(s.sigmaX + (s.feed.x != 0), s.sigmaX) + "; Σy " +
                              counter(s.sigmaY + (s.feed.y != 0), s.sigmaY);
                   }},
        *record.pulses);
}

std::string pulseSigmaCell(const motion::StepRecord& record) {
    return std::visit(Overloaded{[](const ComparisonStep& c) { return std::to_string(c.sigma); },
                                 [&](const IntegrationStep& s) {
                                     if (isLine(record.gmode)) return std::to_string(s.sigmaX);
                                     return std::to_string(s.sigmaX) + "/" +
                                            std::to_string(s.sigmaY);
                                 }},
                      *record.pulses);
}

std::string pulseX(const motion::StepRecord& record) {
    return std::to_string(pointAfter(record).x);
}

std::string pulseY(const motion::StepRecord& record) {
    return std::to_string(pointAfter(record).y);
}

std::string pulseDeviation(const motion::StepRecord& record) {
    return std::visit(Overloaded{[](const ComparisonStep& c) { return std::to_string(c.fAfter); },
                                 [](const IntegrationStep&) { return std::string(); }},
                      *record.pulses);
}

std::string pulseRegisters(const motion::StepRecord& record, bool after) {
    return std::visit(
        Overloaded{
            [after](const ComparisonStep& c) {
                return after ? "F=" + std::to_string(c.fAfter) + " Σ=" + std::to_string(c.sigma)
                             : "F=" + std::to_string(c.f) + " Σ=" + std::to_string(c.sigma + 1);
            },
            [after](const IntegrationStep& s) {
                const auto jr = [](std::int64_t x, std::int64_t y) {
                    return "JRx=" + std::to_string(x) + " JRy=" + std::to_string(y);
                };
                if (after) return jr(s.jrxAfter, s.jryAfter);
                return jr(s.jrx, s.jry) + " JVx=" + std::to_string(s.jvx) +
                       " JVy=" + std::to_string(s.jvy);
            }},
        *record.pulses);
}

std::string pulseDecision(const motion::StepRecord& record) {
    return std::visit(
        Overloaded{[](const ComparisonStep& c) { return std::string(c.f < 0 ? "F<0" : "F≥0"); },
                   [](const IntegrationStep& s) {
                       const std::string capacity = std::to_string(s.capacity);
                       if (!s.overflowX && !s.overflowY) return "< " + capacity;
                       return std::string(s.overflowX ? "JRx" : "") +
                              (s.overflowX && s.overflowY ? " " : "") + (s.overflowY ? "JRy" : "") +
                              " ≥ " + capacity;
                   }},
        *record.pulses);
}

bool pulseEnded(const motion::StepRecord& record) {
    return std::visit(
        Overloaded{[](const ComparisonStep& c) { return c.sigma == 0; },
                   [](const IntegrationStep& s) { return s.sigmaX == 0 && s.sigmaY == 0; }},
        *record.pulses);
}

std::string machineKeptNote(const motion::StepRecord& record) {
    const bool kept = record.interpolation != motion::Interpolation::Machine && !record.pulses &&
                      isLine(record.gmode);
    return kept ? "含 Z 轴，按机床数字积分" : "";
}

}  // namespace tarvo::teach
