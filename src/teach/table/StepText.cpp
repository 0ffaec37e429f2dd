#include "teach/table/StepText.h"

#include "motion/Methods.h"
#include "motion/exact/NumberText.h"
#include "teach/table/BeatWords.h"
#include "teach/table/PulseBeats.h"
#include "teach/table/PulseText.h"
#include "words/Catalogue.h"

namespace tarvo::teach {

namespace {

constexpr const char* axisNames[3] = {"X", "Y", "Z"};
constexpr const char* remainderNames[3] = {"jrx", "jry", "jrz"};

std::string remainders(const motion::Registers& r) {
    return "jrx=" + motion::exactText(r.jrx) + " jry=" + motion::exactText(r.jry) +
           " jrz=" + std::to_string(r.jrz);
}

// Zero counts as non-negative, as it does when the step is chosen.
std::string signText(const char* name, motion::Decimal value) {
    return std::string(name) + (value < 0 ? "<0" : "≥0");
}

// The fed axes under the given names, "+X +Y" with their directions or
// "jrx jry" without, appended.
void appendFedList(std::string& text, const motion::StepRecord& record,
                   const char* const (&names)[3], bool signs) {
    const std::size_t start = text.size();
    for (int axis = 0; axis < 3; ++axis) {
        if (record.feed[axis] == 0) continue;
        if (text.size() != start) text += ' ';
        if (signs) text += record.feed[axis] > 0 ? '+' : '-';
        text += names[axis];
    }
}

bool fedNone(const motion::StepRecord& record) {
    return record.feed[0] == 0 && record.feed[1] == 0 && record.feed[2] == 0;
}

}  // namespace

std::string_view methodText(motion::Method method) {
    return words::say(method == motion::Method::Integration ? "数字积分" : "逐点比较");
}

std::string_view interpolationText(motion::Interpolation interpolation) {
    return words::say(motion::methodEntry(interpolation).caption);
}

std::string_view modeText(motion::Mode mode) {
    switch (mode) {
        case motion::Mode::Rapid:
            return "G00";
        case motion::Mode::Line:
            return "G01";
        case motion::Mode::Clockwise:
            return "G02";
        case motion::Mode::CounterClockwise:
            return "G03";
    }
    return "";
}

std::string beforeText(const motion::StepRecord& record) {
    const motion::Registers& r = record.before;
    if (record.pulses) return pulseRegisters(record, false);
    if (record.method == motion::Method::Integration) return remainders(r);
    return "fm=" + motion::exactText(r.fm) + ' ' + signText("px", r.px) + ' ' +
           signText("py", r.py);
}

std::string afterText(const motion::StepRecord& record) {
    if (record.pulses) return pulseRegisters(record, true);
    if (record.method == motion::Method::Integration) return remainders(record.after);
    return "fm=" + motion::exactText(record.after.fm);
}

std::string decisionText(const motion::StepRecord& record) {
    std::string text;
    appendDecisionText(text, record);
    return text;
}

void appendDecisionText(std::string& text, const motion::StepRecord& record) {
    if (record.skipped) return void(text += beatWords().fullCircle);
    if (record.pulses && record.method == motion::Method::Integration) {
        return pulseDecision(text, record);
    }
    if (record.pulses) {
        pulseDecision(text, record);
        text += " → ";
        return appendFedList(text, record, axisNames, true);
    }
    if (record.method == motion::Method::Comparison) {
        text += record.before.fm < 0 ? "F<0" : "F≥0";
        if (fedNone(record)) return;
        text += " → ";
        return appendFedList(text, record, axisNames, true);
    }
    if (fedNone(record)) {
        text += "< ";
    } else {
        appendFedList(text, record, remainderNames, false);
        text += " ≥ ";
    }
    motion::appendExactText(text, record.regmax);
}

std::string feedText(const motion::StepRecord& record) {
    std::string text;
    appendFedList(text, record, axisNames, true);
    return text;
}

std::string distanceText(const motion::StepRecord& record) {
    if (record.skipped) return {};
    return pulseRootText(record.distance2, motion::Decimal(1));
}

}  // namespace tarvo::teach
