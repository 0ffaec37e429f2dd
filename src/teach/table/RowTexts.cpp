#include "teach/table/RowTexts.h"

#include <initializer_list>

#include "motion/exact/NumberText.h"
#include "teach/table/BeatWords.h"
#include "teach/table/MachineBeats.h"
#include "teach/table/PulseBeats.h"
#include "teach/table/PulseText.h"

namespace tarvo::teach {

namespace {

// The beats of a textbook method's stepper, counted in whole pulses.
void pulseBeats(RowTexts& t, const TextbookStep& step, std::string_view minus) {
    const motion::StepRecord& r = step.record;
    pulseJudgement(t.judgement, step, minus);
    pulseCalculation(t.calculation, r, minus);
    pulseSigma(t.sigma, r, minus);
    appendPulseRootText(t.distance, r.distance2, step.segment.dlstep);
    if (pulseEnded(r)) t.distance += beatWords().countedDown;
    pulseX(t.x, r);
    pulseY(t.y, r);
    pulseDeviation(t.deviation, r);
}

// The beats of the machine's own method, from its registers.
void machineBeats(RowTexts& t, const TextbookStep& step, std::string_view minus) {
    const motion::StepRecord& r = step.record;
    const motion::Decimal dlstep = step.segment.dlstep;
    machineJudgement(t.judgement, step, minus);
    machineCalculation(t.calculation, step, minus);
    machineSigma(t.sigma, step, minus);
    machineDistance(t.distance, step);
    appendPulseText(t.x, r.after.px, dlstep);
    appendPulseText(t.y, r.after.py, dlstep);
    if (step.arc()) appendPulseSquaredText(t.deviation, r.after.fm, dlstep);
}

// A skipped segment's row keeps the point it would have started from.
void skippedBeats(RowTexts& t, const TextbookStep& step) {
    const motion::StepRecord& r = step.record;
    t.judgement = beatWords().fullCircle;
    t.sigma = "—";
    appendPulseText(t.x, r.after.px, step.segment.dlstep);
    appendPulseText(t.y, r.after.py, step.segment.dlstep);
    if (step.arc()) appendPulseSquaredText(t.deviation, r.after.fm, step.segment.dlstep);
}

void appendFeedText(std::string& text, const TextbookStep& step, std::string_view minus) {
    static constexpr char names[3] = {'X', 'Y', 'Z'};
    for (int axis = 0; axis < 3; ++axis) {
        if (step.record.feed[axis] == 0) continue;
        if (step.record.feed[axis] > 0) {
            text += '+';
        } else {
            text += minus;
        }
        text += names[axis];
    }
}

}  // namespace

RowTexts rowTexts(const TextbookStep& step) {
    RowTexts t;
    rowTexts(step, t);
    return t;
}

void rowTexts(const TextbookStep& step, RowTexts& t, std::string_view minus) {
    for (std::string* text : {&t.judgement, &t.feed, &t.calculation, &t.sigma, &t.distance,
                              &t.sigmaCell, &t.x, &t.y, &t.z, &t.deviation}) {
        text->clear();
    }
    const motion::StepRecord& r = step.record;
    appendFeedText(t.feed, step, minus);
    if (r.skipped && !r.pulses) {
        skippedBeats(t, step);
    } else if (r.skipped) {
        pulseBeats(t, step, minus);
        t.judgement = beatWords().fullCircle;
        t.calculation.clear();
        t.sigma = "—";
        t.distance.clear();
    } else if (r.pulses) {
        pulseBeats(t, step, minus);
    } else {
        machineBeats(t, step, minus);
    }
    if (!step.arc()) appendPulseText(t.z, r.after.pz, step.segment.dlstep);
    if (r.pulses) {
        pulseSigmaCell(t.sigmaCell, r);
    } else if (const auto sigma = step.sigmaAfter(); sigma && !r.skipped) {
        motion::appendWholeText(t.sigmaCell, *sigma);
    }
}

std::string feedText(const TextbookStep& step) {
    std::string text;
    appendFeedText(text, step, typographicMinus);
    return text;
}

}  // namespace tarvo::teach
