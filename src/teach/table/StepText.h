#pragma once

#include <string>
#include <string_view>

#include "motion/StepRecord.h"

namespace tarvo::teach {

// The cells of one row of the interpolation table, in UTF-8, with the
// registers' exact values. Remainder registers are millimetres, positions
// tenths of a millimetre, the deviation tenths squared.

std::string_view methodText(motion::Method method);  // "数字积分", "逐点比较"
std::string_view modeText(motion::Mode mode);        // "G00" to "G03"
// The run's choice as the method menu names it: "机床（直线数字积分，圆弧逐点比较）",
// "逐点比较法", "数字积分法".
std::string_view interpolationText(motion::Interpolation interpolation);

// The registers the iteration found: "jrx=10 jry=10 jrz=0" for a straight
// move, "fm=-1900 px≥0 py<0" (the deviation and the quadrant) for an arc.
std::string beforeText(const motion::StepRecord& record);
// The registers it left: "jrx=4 jry=4 jrz=0", or the new deviation "fm=-1900".
std::string afterText(const motion::StepRecord& record);

// Why it fed what it fed: the remainder registers whose sums reached the
// capacity, "jrx jry ≥ 16" (or "< 16" when none did), or the side of the
// circle and the step it chose, "F<0 → +Y"; a skipped segment's row says why.
std::string decisionText(const motion::StepRecord& record);
// The same, appended to a row's text.
void appendDecisionText(std::string& text, const motion::StepRecord& record);

// The axes fed and their directions, "+X +Y" or "-Y"; empty when none moved.
std::string feedText(const motion::StepRecord& record);

// The end test's distance after the iteration, tenths of a millimetre, from
// its exact square: "3" when exact, otherwise rounded at two places, "5.39".
std::string distanceText(const motion::StepRecord& record);

}  // namespace tarvo::teach
