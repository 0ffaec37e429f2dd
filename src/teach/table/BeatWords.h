#pragma once

#include <string_view>

namespace tarvo::teach {

// The words the table's beats set between their numbers, in one language.
// A run writes millions of rows, so the words are said once for each
// language and kept, and a row only picks the set of the language spoken.
struct BeatWords {
    std::string_view listComma;        // "、" between registers
    std::string_view noOverflow;       // "无溢出"
    std::string_view overflow;         // " 溢出" after the registers that overflow
    std::string_view bothOverflow;     // "JRx、JRy 溢出"
    std::string_view xOverflows;       // "JRx 溢出"
    std::string_view yOverflows;       // "JRy 溢出"
    std::string_view holds;            // " 保持": a register whose axis has ended
    std::string_view remainder;        // ", 余 " after the overflow
    std::string_view levelTieBreak;    // "; Y = 0 按上半平面"
    std::string_view uprightTieBreak;  // "; X = 0 按右半平面"
    std::string_view endReached;       // " < 1; 到终点"
    std::string_view countedDown;      // "; 计数到 0"
    std::string_view roundedEnd;       // "; 终点取整为 "
    std::string_view roundedEnds;      // "; 起点、终点取整为 "
    std::string_view inPulses;         // " 脉冲"
    std::string_view endOnXAxis;       // "; Ye = 0 在 "
    std::string_view followsQuadrant;  // " 轴上，按 "
    std::string_view endOnYAxis;       // "; Xe = 0 在 "
    std::string_view feedsLikeBelow;   // " 轴上，X 不进给，按 F < 0 进给 "
    std::string_view keptMachine;      // "含 Z 轴，按机床数字积分"
    std::string_view fullCircle;       // the machine's note on a full circle
};

// The words in the language spoken now; a row's writer asks once a row.
const BeatWords& beatWords();

}  // namespace tarvo::teach
