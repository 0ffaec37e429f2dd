#include "teach/table/MachineBeats.h"

#include <array>

#include "motion/exact/NumberText.h"
#include "motion/exact/Rounding.h"
#include "teach/table/BeatWords.h"
#include "teach/table/PulseBeats.h"
#include "teach/table/PulseText.h"
#include "teach/table/TextRun.h"

namespace tarvo::teach {

namespace {

using motion::Decimal;
using motion::Squared;

// The integration registers, their increments and capacity, in mm.
struct Register {
    const char* name;
    const char* axis;
    Decimal before, increment, sum, after;
};

void appendRegisterSum(TextRun& run, const Register& r, Decimal regmax) {
    // The integer Z register rounds its sum: "≈" marks where that changed it.
    const bool rounded = r.before + r.increment != r.sum;
    run << "JR" << r.name << " = ";
    run.exact(r.before) << " + ";
    run.exact(r.increment) << (rounded ? " ≈ " : " = ");
    run.exact(r.sum) << (r.sum < regmax ? " < " : " ≥ ");
    run.exact(regmax);
    if (r.sum < regmax) return;
    run << " → Δ" << r.axis << beatWords().remainder;
    run.exact(r.after);
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

void lineJudgement(std::string& text, const TextbookStep& step) {
    static constexpr const char* names[3] = {"JRx", "JRy", "JRz"};
    const std::size_t start = text.size();
    for (int axis = 0; axis < 3; ++axis) {
        if (step.record.feed[axis] == 0) continue;
        if (text.size() != start) text += beatWords().listComma;
        text += names[axis];
    }
    text += text.size() == start ? beatWords().noOverflow : beatWords().overflow;
    const std::string_view kept = machineKeptNote(step.record);
    if (!kept.empty()) text.append("; ").append(kept);
}

void arcJudgement(std::string& text, const TextbookStep& step, std::string_view minus) {
    const motion::Registers& b = step.record.before;
    text += "F = ";
    appendPulseSquaredText(text, b.fm, step.segment.dlstep, minus);
    text += b.fm < 0 ? " < 0, " : " ≥ 0, ";
    text += step.record.gmode == motion::Mode::Clockwise ? "SR" : "NR";
    text += static_cast<char>('0' + step.quadrant());
    if (b.py == 0) text += beatWords().levelTieBreak;
    if (b.px == 0) text += beatWords().uprightTieBreak;
}

void arcCalculation(std::string& text, const TextbookStep& step, std::string_view minus) {
    const motion::StepRecord& r = step.record;
    const int axis = r.feed[0] != 0 ? 0 : 1;
    const Decimal c = axis == 0 ? r.before.px : r.before.py;
    const bool adds = (r.feed[axis] > 0) == (c >= 0);
    const Decimal dlstep = step.segment.dlstep;
    text += "F = ";
    appendPulseSquaredText(text, r.before.fm, dlstep, minus);
    if (adds) {
        text += " + 2×";
    } else {
        text.append(" ").append(minus).append(" 2×");
    }
    appendPulseText(text, c.abs(), dlstep, minus);
    text += " + 1 = ";
    appendPulseSquaredText(text, r.after.fm, dlstep, minus);
}

}  // namespace

void machineJudgement(std::string& text, const TextbookStep& step, std::string_view minus) {
    if (step.arc()) {
        arcJudgement(text, step, minus);
    } else {
        lineJudgement(text, step);
    }
}

void machineCalculation(std::string& text, const TextbookStep& step, std::string_view minus) {
    if (step.arc()) return arcCalculation(text, step, minus);
    // A register whose axis does not move is left out.
    TextRun run(text);
    bool first = true;
    for (const Register& r : registers(step)) {
        if (r.increment == 0) continue;
        if (!first) run << "; ";
        appendRegisterSum(run, r, step.record.regmax);
        first = false;
    }
}

void machineSigma(std::string& text, const TextbookStep& step, std::string_view minus) {
    const auto before = step.sigmaBefore(), after = step.sigmaAfter();
    if (!before || !after) return void(text += "—");
    TextRun run(text);
    run.whole(*before, minus) << " → ";
    run.whole(*after, minus);
}

void machineDistance(std::string& text, const TextbookStep& step) {
    const bool reached = step.reachedEnd();
    const Squared d2 = step.record.distance2;
    const Decimal dlstep = step.segment.dlstep;
    // Rounded to the nearest, a distance just short of the step would read
    // "1.00 < 1": more places show the side the exact test took, and past
    // eight of them the figure only says it is close.
    int places = 2;
    while (reached && places < 8 && pulseRootReads(d2, dlstep, places, 1)) ++places;
    if (reached && pulseRootReads(d2, dlstep, places, 1)) {
        text += "≈1";
    } else {
        appendPulseRootText(text, d2, dlstep, places);
    }
    text += reached ? beatWords().endReached : " ≥ 1";
}

}  // namespace tarvo::teach
