#pragma once

#include <string>
#include <string_view>

#include "teach/table/TextbookStep.h"

namespace tarvo::teach {

// The texts of an iteration the machine's own method made: its registers in
// mm against regmax for straight moves, its deviation in squared tenths for
// arcs, each shown in pulses; UTF-8, minus written as `minus` says (the
// window's typographic "−", the CSV's ASCII "-"). Each is appended to
// `text`, so a row's texts keep their room from row to row.
// 偏差判别: "F = −2 < 0, NR1", on an axis with the tie-break in words,
// "F = 0 ≥ 0, NR1; Y = 0 按上半平面"; for lines the registers that reach
// their capacity, "JRx、JRy 溢出".
void machineJudgement(std::string& text, const TextbookStep& step, std::string_view minus);
// 偏差计算: "F = −2 + 2×3 + 1 = 5"; for lines the sums as compared,
// "JRx = 1.4 + 0.6 = 2 ≥ 2 → ΔX, 余 0; JRy = 0.3 + 0.3 = 0.6 < 2" (mm).
void machineCalculation(std::string& text, const TextbookStep& step, std::string_view minus);
// 终点判别: the counter "12 → 11", or "—" where undefined.
void machineSigma(std::string& text, const TextbookStep& step, std::string_view minus);
// The distance test in pulses, "8.49 ≥ 1" or "0 < 1; 到终点".
void machineDistance(std::string& text, const TextbookStep& step);

}  // namespace tarvo::teach
