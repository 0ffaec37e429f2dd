#include "teach/table/RowTexts.h"

#include "interp/Messages.h"
#include "teach/table/MachineBeats.h"
#include "teach/table/PulseBeats.h"
#include "teach/table/PulseText.h"

namespace tarvo::teach {

namespace {

// The beats of a textbook method's stepper, counted in whole pulses.
void pulseBeats(RowTexts& t, const TextbookStep& step) {
    const motion::StepRecord& r = step.record;
    t.judgement = pulseJudgement(step);
    t.calculation = pulseCalculation(r);
    t.sigma = pulseSigma(r);
    t.distance = pulseRootText(r.distance2, step.segment.dlstep);
    if (pulseEnded(r)) t.distance += "; 计数到 0";
    t.x = pulseX(r);
    t.y = pulseY(r);
    t.deviation = pulseDeviation(r);
}

// The beats of the machine's own method, from its registers.
void machineBeats(RowTexts& t, const TextbookStep& step) {
    const motion::StepRecord& r = step.record;
    const motion::Decimal dlstep = step.segment.dlstep;
    t.judgement = machineJudgement(step);
    t.calculation = machineCalculation(step);
    t.sigma = machineSigma(step);
    t.distance = machineDistance(step);
    t.x = pulseText(r.after.px, dlstep);
    t.y = pulseText(r.after.py, dlstep);
    if (step.arc()) t.deviation = pulseSquaredText(r.after.fm, dlstep);
}

// A skipped segment's row keeps the point it would have started from.
void skippedBeats(RowTexts& t, const TextbookStep& step) {
    const motion::StepRecord& r = step.record;
    t.judgement = interp::messages::fullCircle;
    t.sigma = "—";
    t.x = pulseText(r.after.px, step.segment.dlstep);
    t.y = pulseText(r.after.py, step.segment.dlstep);
    if (step.arc()) t.deviation = pulseSquaredText(r.after.fm, step.segment.dlstep);
}

}  // namespace

RowTexts rowTexts(const TextbookStep& step) {
    const motion::StepRecord& r = step.record;
    RowTexts t;
    t.feed = feedText(step);
    if (r.skipped && !r.pulses) {
        skippedBeats(t, step);
    } else if (r.skipped) {
        pulseBeats(t, step);
        t.judgement = interp::messages::fullCircle;
        t.calculation.clear();
        t.sigma = "—";
        t.distance.clear();
    } else if (r.pulses) {
        pulseBeats(t, step);
    } else {
        machineBeats(t, step);
    }
    if (!step.arc()) t.z = pulseText(r.after.pz, step.segment.dlstep);
    if (r.pulses) {
        t.sigmaCell = pulseSigmaCell(r);
    } else if (const auto sigma = step.sigmaAfter(); sigma && !r.skipped) {
        t.sigmaCell = std::to_string(*sigma);
    }
    return t;
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

}  // namespace tarvo::teach
