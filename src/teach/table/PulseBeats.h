#pragma once

#include <string>
#include <string_view>

#include "motion/StepRecord.h"
#include "teach/table/TextbookStep.h"

namespace tarvo::teach {

// The texts of an iteration a textbook method made in whole pulses (the
// record's pulses), in UTF-8, each appended to `text` so that a writer of
// many rows keeps its room. The beats write minus as `minus` says: the
// window's typographic "−", the CSV's ASCII "-". Comparison lines:
// "F = −3 < 0, L1", "F = −3 + 5 = 2", "Σ 4 → 3". Digital integration,
// capacity 2^N: "JRx、JRy 溢出", "JRx = 3 + 4 = 7 < 8; JRy = 6 + 4 = 10 ≥ 8 →
// ΔY, 余 2"; an arc's counters per axis "Σx 3 → 2, Σy 4 → 4", a line's
// iterations left "5 → 4".

// 偏差判别; the first row adds where the figure was rounded to whole pulses,
// "; 终点取整为 (6, 3) 脉冲".
void pulseJudgement(std::string& text, const TextbookStep& step, std::string_view minus);
void pulseCalculation(std::string& text, const motion::StepRecord& record, std::string_view minus);
void pulseSigma(std::string& text, const motion::StepRecord& record, std::string_view minus);
// The end counter after the iteration for the CSV: Σ, a line's iterations
// left, or an arc's two counters "Σx/Σy".
void pulseSigmaCell(std::string& text, const motion::StepRecord& record);
// The point after the feed in pulses, ASCII minus: X, Y.
void pulseX(std::string& text, const motion::StepRecord& record);
void pulseY(std::string& text, const motion::StepRecord& record);
// A comparison line's new deviation in pulse², ASCII minus; nothing for DDA.
void pulseDeviation(std::string& text, const motion::StepRecord& record);
// The stepper's registers as it found and left them, for the raw face:
// "F=-3 Σ=4" or "JRx=3 JRy=6 JVx=4 JVy=4"; and its decision, "F<0" or
// "JRx JRy ≥ 16".
std::string pulseRegisters(const motion::StepRecord& record, bool after);
void pulseDecision(std::string& text, const motion::StepRecord& record);
// The stepper's end: its counters reached 0.
bool pulseEnded(const motion::StepRecord& record);

// Under a textbook method, a line that moves Z keeps the machine's digital
// integration; its rows say so. Empty otherwise.
std::string_view machineKeptNote(const motion::StepRecord& record);

}  // namespace tarvo::teach
