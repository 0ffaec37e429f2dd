#include "teach/table/MachineBeats.h"

#include <array>

#include "motion/exact/NumberText.h"
#include "motion/exact/Rounding.h"
#include "teach/table/PulseBeats.h"
#include "teach/table/PulseText.h"

namespace tarvo::teach {

namespace {

using motion::Decimal;
using motion::Squared;

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

std::string machineJudgement(const TextbookStep& step) {
    return step.arc() ? arcJudgement(step) : lineJudgement(step);
}

std::string machineCalculation(const TextbookStep& step) {
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

std::string machineSigma(const TextbookStep& step) {
    const auto before = step.sigmaBefore(), after = step.sigmaAfter();
    if (!before || !after) return "—";
    return withMinusSign(std::to_string(*before) + " → " + std::to_string(*after));
}

std::string machineDistance(const TextbookStep& step) {
    const bool reached = step.reachedEnd();
    const Squared d2 = step.record.distance2;
    const Decimal dlstep = step.segment.dlstep;
    // Rounded to the nearest, a distance just short of the step would read
    // "1.00 < 1": more places show the side the exact test took, and past
    // eight of them the figure only says it is close.
    int places = 2;
    while (reached && places < 8 && pulseRootReads(d2, dlstep, places, 1)) ++places;
    const std::string figure =
        reached && pulseRootReads(d2, dlstep, places, 1) ? "≈1" : pulseRootText(d2, dlstep, places);
    return figure + (reached ? " < 1; 到终点" : " ≥ 1");
}

}  // namespace tarvo::teach
