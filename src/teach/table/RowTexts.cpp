#include "teach/table/RowTexts.h"

#include <initializer_list>

#include "interp/Messages.h"
#include "motion/exact/NumberText.h"
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
    appendPulseRootText(t.distance, r.distance2, step.segment.dlstep);
    if (pulseEnded(r)) t.distance += "; 计数到 0";
    t.x = pulseX(r);
    t.y = pulseY(r);
    t.deviation = pulseDeviation(r);
}

// The beats of the machine's own method, from its registers.
void machineBeats(RowTexts& t, const TextbookStep& step) {
    const motion::StepRecord& r = step.record;
    const motion::Decimal dlstep = step.segment.dlstep;
    machineJudgement(t.judgement, step);
    machineCalculation(t.calculation, step);
    machineSigma(t.sigma, step);
    machineDistance(t.distance, step);
    appendPulseText(t.x, r.after.px, dlstep);
    appendPulseText(t.y, r.after.py, dlstep);
    if (step.arc()) appendPulseSquaredText(t.deviation, r.after.fm, dlstep);
}

// A skipped segment's row keeps the point it would have started from.
void skippedBeats(RowTexts& t, const TextbookStep& step) {
    const motion::StepRecord& r = step.record;
    t.judgement = interp::messages::fullCircle;
    t.sigma = "—";
    appendPulseText(t.x, r.after.px, step.segment.dlstep);
    appendPulseText(t.y, r.after.py, step.segment.dlstep);
    if (step.arc()) appendPulseSquaredText(t.deviation, r.after.fm, step.segment.dlstep);
}

void appendFeedText(std::string& text, const TextbookStep& step) {
    static constexpr const char* names[3] = {"X", "Y", "Z"};
    for (int axis = 0; axis < 3; ++axis) {
        if (step.record.feed[axis] == 0) continue;
        text += step.record.feed[axis] > 0 ? "+" : "−";
        text += names[axis];
    }
}

}  // namespace

RowTexts rowTexts(const TextbookStep& step) {
    RowTexts t;
    rowTexts(step, t);
    return t;
}

void rowTexts(const TextbookStep& step, RowTexts& t) {
    for (std::string* text : {&t.judgement, &t.feed, &t.calculation, &t.sigma, &t.distance,
                              &t.sigmaCell, &t.x, &t.y, &t.z, &t.deviation}) {
        text->clear();
    }
    const motion::StepRecord& r = step.record;
    appendFeedText(t.feed, step);
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
    if (!step.arc()) appendPulseText(t.z, r.after.pz, step.segment.dlstep);
    if (r.pulses) {
        t.sigmaCell = pulseSigmaCell(r);
    } else if (const auto sigma = step.sigmaAfter(); sigma && !r.skipped) {
        motion::appendWholeText(t.sigmaCell, *sigma);
    }
}

std::string feedText(const TextbookStep& step) {
    std::string text;
    appendFeedText(text, step);
    return text;
}

}  // namespace tarvo::teach
