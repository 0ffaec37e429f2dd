#include "teach/TextbookStep.h"

#include <array>
#include <cmath>

#include "interp/Messages.h"
#include "motion/ExactRoot.h"
#include "motion/NumberText.h"
#include "motion/Rounding.h"
#include "teach/PulseBeats.h"
#include "teach/PulseText.h"

namespace tarvo::teach {

namespace {

using motion::Decimal;
using motion::Squared;
using motion::Wide;

bool isLine(motion::Mode mode) {
    return mode == motion::Mode::Rapid || mode == motion::Mode::Line;
}

// length / dlstep when it is a whole number of pulses.
std::optional<std::int64_t> wholePulses(Decimal length, Decimal dlstep) {
    if (length.units() % dlstep.units() != 0) return std::nullopt;
    return length.units() / dlstep.units();
}

// The whole root of a square, when it has one.
std::optional<std::int64_t> wholeRoot(Wide square) {
    const motion::WholeRoot r = motion::wholeRoot(static_cast<motion::WideUnsigned>(square));
    if (r.rest != 0) return std::nullopt;
    return static_cast<std::int64_t>(r.root);
}

std::optional<std::int64_t> arcSigmaOf(const motion::Segment& s, Decimal dlstep) {
    const auto xs = wholePulses(s.ic * 10, dlstep), ys = wholePulses(s.jc * 10, dlstep);
    const auto xe = wholePulses((s.xe - s.xs + s.ic) * 10, dlstep);
    const auto ye = wholePulses((s.ye - s.ys + s.jc) * 10, dlstep);
    if (!xs || !ys || !xe || !ye) return std::nullopt;
    const auto r = wholeRoot(static_cast<Wide>(*xs) * *xs + static_cast<Wide>(*ys) * *ys);
    if (!r) return std::nullopt;
    return arcSigma(*xs, *ys, *xe, *ye, *r, s.gmode == motion::Mode::Clockwise);
}

// Counter-clockwise quadrants, each holding the axis ray it begins with:
// 0 from +X, 1 from +Y, 2 from −X, 3 from −Y.
int ccwQuadrant(std::int64_t x, std::int64_t y) {
    if (x > 0 && y >= 0) return 0;
    if (x <= 0 && y > 0) return 1;
    if (x < 0 && y <= 0) return 2;
    return 3;
}

std::string pulses(Decimal length, Decimal dlstep) {
    return withMinusSign(pulseText(length, dlstep));
}

std::string pulsesSquared(Squared square, Decimal dlstep) {
    return withMinusSign(pulseSquaredText(square, dlstep));
}

std::string signTest(Squared f, Decimal dlstep) {
    return "F = " + pulsesSquared(f, dlstep) + (f < 0 ? " < 0" : " ≥ 0");
}

std::string ruleName(const TextbookStep& step) {
    const bool clockwise = step.record.gmode == motion::Mode::Clockwise;
    return (clockwise ? "SR" : "NR") + std::to_string(step.quadrant());
}

// The integration registers, their increments and capacity, in mm.
struct Register {
    const char* name;
    const char* axis;
    Decimal before, increment, sum, after;
};

std::string registerSum(const Register& r, Decimal regmax) {
    using motion::exactText;
    // The integer Z register rounds its sum: "≈" marks where that changed it.
    const bool rounded = r.before + r.increment != r.sum;
    std::string text = std::string("JR") + r.name + " = " + exactText(r.before) + " + " +
                       exactText(r.increment) + (rounded ? " ≈ " : " = ") + exactText(r.sum);
    if (r.sum < regmax) return text + " < " + exactText(regmax);
    return text + " ≥ " + exactText(regmax) + " → Δ" + r.axis + ", 余 " + exactText(r.after);
}

std::array<Register, 3> registers(const TextbookStep& step) {
    const motion::Registers& b = step.record.before;
    const motion::Registers& a = step.record.after;
    const TextbookSegment& s = step.segment;
    const Decimal dz = Decimal::fromUnits(s.dz10 * (Decimal::one / 10));
    const std::int64_t zSum = motion::roundHalfEven(s.dz10 + 10 * b.jrz, 10);
    return {{{"x", "X", b.jrx, s.dx, b.jrx + s.dx, a.jrx},
             {"y", "Y", b.jry, s.dy, b.jry + s.dy, a.jry},
             {"z", "Z", Decimal(b.jrz), dz, Decimal(zSum), Decimal(a.jrz)}}};
}

std::string lineJudgement(const TextbookStep& step) {
    static constexpr const char* names[3] = {"JRx", "JRy", "JRz"};
    std::string text;
    for (int axis = 0; axis < 3; ++axis) {
        if (step.record.feed[axis] == 0) continue;
        text += (text.empty() ? "" : "、") + std::string(names[axis]);
    }
    text = text.empty() ? "无溢出" : text + " 溢出";
    const std::string kept = machineKeptNote(step.record);
    return kept.empty() ? text : text + "; " + kept;
}

std::string arcJudgement(const TextbookStep& step) {
    const motion::Registers& b = step.record.before;
    std::string text = signTest(b.fm, step.segment.dlstep) + ", " + ruleName(step);
    if (b.py == 0) text += "; Y = 0 按上半平面";
    if (b.px == 0) text += "; X = 0 按右半平面";
    return text;
}

std::string arcCalculation(const TextbookStep& step) {
    const motion::StepRecord& r = step.record;
    const int axis = r.feed[0] != 0 ? 0 : 1;
    const Decimal c = axis == 0 ? r.before.px : r.before.py;
    const bool adds = (r.feed[axis] > 0) == (c >= 0);
    const Decimal dlstep = step.segment.dlstep;
    return "F = " + pulsesSquared(r.before.fm, dlstep) + (adds ? " + " : " − ") + "2×" +
           pulses(c.abs(), dlstep) + " + 1 = " + pulsesSquared(r.after.fm, dlstep);
}

}  // namespace

TextbookSegment textbookSegment(const motion::Segment& segment, Decimal dlstep) {
    TextbookSegment t;
    t.dlstep = dlstep;
    t.dx = (segment.xe - segment.xs).abs();
    t.dy = (segment.ye - segment.ys).abs();
    t.dz10 = segment.dz10();
    t.figure = motion::pulseFigure(segment, dlstep);
    if (isLine(segment.gmode)) {
        t.sigma = wholePulses(segment.regmax * 10, dlstep);
    } else {
        t.sigma = arcSigmaOf(segment, dlstep);
    }
    return t;
}

std::int64_t arcSigma(std::int64_t xs, std::int64_t ys, std::int64_t xe, std::int64_t ye,
                      std::int64_t r, bool clockwise) {
    // A clockwise arc is the counter-clockwise arc of the mirror image.
    if (clockwise) {
        ys = -ys;
        ye = -ye;
    }
    const std::int64_t axisX[4] = {r, 0, -r, 0}, axisY[4] = {0, r, 0, -r};
    const auto span = [](std::int64_t x0, std::int64_t y0, std::int64_t x1, std::int64_t y1) {
        return std::abs(x1 - x0) + std::abs(y1 - y0);
    };
    const int from = ccwQuadrant(xs, ys), to = ccwQuadrant(xe, ye);
    const bool ahead = static_cast<Wide>(xs) * ye - static_cast<Wide>(ys) * xe > 0;
    int crossings = (to - from + 4) % 4;
    if (crossings == 0 && ahead) return span(xs, ys, xe, ye);
    if (crossings == 0) crossings = 4;
    const int next = (from + 1) % 4;
    return span(xs, ys, axisX[next], axisY[next]) + 2 * r * (crossings - 1) +
           span(axisX[to], axisY[to], xe, ye);
}

int TextbookStep::quadrant() const {
    const bool left = record.before.px < 0, below = record.before.py < 0;
    if (!below) return left ? 2 : 1;
    return left ? 3 : 4;
}

Squared TextbookStep::incrementalDeviation() const {
    const int axis = record.feed[0] != 0 ? 0 : 1;
    const Decimal c = axis == 0 ? record.before.px : record.before.py;
    const Decimal dlstep = segment.dlstep;
    const Wide twice = 2 * static_cast<Wide>(c.units()) * dlstep.units() * record.feed[axis];
    return record.before.fm + Squared::fromUnits(twice) + Squared::of(dlstep);
}

std::optional<std::int64_t> TextbookStep::sigmaBefore() const {
    if (!segment.sigma) return std::nullopt;
    return *segment.sigma - static_cast<std::int64_t>(record.number) + 1;
}

std::optional<std::int64_t> TextbookStep::sigmaAfter() const {
    if (!segment.sigma) return std::nullopt;
    return *segment.sigma - static_cast<std::int64_t>(record.number);
}

bool TextbookStep::reachedEnd() const {
    return record.distance2 < Squared::of(segment.dlstep);
}

std::string judgementText(const TextbookStep& step) {
    if (step.record.skipped) return std::string(interp::messages::fullCircle);
    if (step.pulses()) return pulseJudgement(step);
    return step.arc() ? arcJudgement(step) : lineJudgement(step);
}

std::string feedText(const TextbookStep& step) {
    static constexpr const char* names[3] = {"X", "Y", "Z"};
    std::string text;
    for (int axis = 0; axis < 3; ++axis) {
        if (step.record.feed[axis] == 0) continue;
        text += (step.record.feed[axis] > 0 ? "+" : "−") + std::string(names[axis]);
    }
    return text;
}

std::string calculationText(const TextbookStep& step) {
    if (step.record.skipped) return {};
    if (step.pulses()) return pulseCalculation(step.record);
    if (step.arc()) return arcCalculation(step);
    // A register whose axis does not move is left out.
    std::string text;
    for (const Register& r : registers(step)) {
        if (r.increment == 0) continue;
        if (!text.empty()) text += "; ";
        text += registerSum(r, step.record.regmax);
    }
    return text;
}

std::string sigmaText(const TextbookStep& step) {
    if (step.record.skipped) return "—";
    if (step.pulses()) return pulseSigma(step.record);
    const auto before = step.sigmaBefore(), after = step.sigmaAfter();
    if (!before || !after) return "—";
    return withMinusSign(std::to_string(*before) + " → " + std::to_string(*after));
}

std::string distanceText(const TextbookStep& step) {
    if (step.record.skipped) return {};
    const bool reached = step.pulses() ? pulseEnded(step.record) : step.reachedEnd();
    const Squared d2 = step.record.distance2;
    const Decimal dlstep = step.segment.dlstep;
    if (step.pulses()) return pulseRootText(d2, dlstep) + (reached ? "; 计数到 0" : "");
    // Rounded to the nearest, a distance just short of the step would read
    // "1.00 < 1": more places show the side the exact test took, and past
    // eight of them the figure only says it is close.
    int places = 2;
    while (reached && places < 8 && pulseRootReads(d2, dlstep, places, 1)) ++places;
    const std::string figure =
        reached && pulseRootReads(d2, dlstep, places, 1) ? "≈1" : pulseRootText(d2, dlstep, places);
    return figure + (reached ? " < 1; 到终点" : " ≥ 1");
}

std::string xText(const TextbookStep& step) {
    if (step.pulses()) return pulseX(step.record);
    return pulseText(step.record.after.px, step.segment.dlstep);
}

std::string yText(const TextbookStep& step) {
    if (step.pulses()) return pulseY(step.record);
    return pulseText(step.record.after.py, step.segment.dlstep);
}

std::string zText(const TextbookStep& step) {
    return step.arc() ? "" : pulseText(step.record.after.pz, step.segment.dlstep);
}

std::string deviationText(const TextbookStep& step) {
    if (step.pulses()) return pulseDeviation(step.record);
    return step.arc() ? pulseSquaredText(step.record.after.fm, step.segment.dlstep) : "";
}

}  // namespace tarvo::teach
