#pragma once

#include <string>
#include <string_view>

#include "teach/table/PulseText.h"
#include "teach/table/TextbookStep.h"

namespace tarvo::teach {

// Every text of one row of the interpolation table, made in one pass over
// the step: the four beats and the feed in UTF-8, with the typographic minus
// "−" unless told otherwise, "; " parting a text where the window breaks its
// line; the point and the deviation with ASCII minus, as pulseText writes
// them.
// A skipped segment's row (a full circle) says so under 偏差判别 and leaves
// the other beats empty, Σ "—".
struct RowTexts {
    std::string judgement;    // 偏差判别
    std::string feed;         // 进给: "+X+Y", "−Y"; empty when nothing was fed
    std::string calculation;  // 偏差计算
    std::string sigma;        // 终点判别: the counter before and after, "12 → 11" or "—"
    std::string distance;     // and the distance test, "8.49 ≥ 1", "0 < 1; 到终点"
    // The end counter after the iteration as the CSV holds it: Σ, a line's
    // iterations left, an arc's two counters "Σx/Σy"; empty where undefined.
    std::string sigmaCell;
    // The point after the step in pulses and the deviation in pulse²; F is
    // empty for the machine's lines and a DDA, Z for arcs.
    std::string x, y, z, deviation;
};

RowTexts rowTexts(const TextbookStep& step);
// The same texts made anew in `texts`, whose strings keep their room: a
// writer of many rows keeps one RowTexts and makes no text from scratch.
// The CSV asks for the ASCII minus "-" and so need not change the texts.
void rowTexts(const TextbookStep& step, RowTexts& texts, std::string_view minus = typographicMinus);

// 进给 alone, for readers that need no other column.
std::string feedText(const TextbookStep& step);

}  // namespace tarvo::teach
