#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "words/Catalogue.h"

namespace tarvo::interp::messages {

// The texts below are the catalogue's keys: a shell shows words::say(text).
// Program errors: shown as errorLine(n, message), under the title "出错".
inline constexpr std::string_view errorTitle = "出错";
inline constexpr std::string_view noStartSymbol = "没有开始符,结束符 “%”";
inline constexpr std::string_view badG = "G....";
inline constexpr std::string_view badM = "M....";
inline constexpr std::string_view notOnArc = "终点不在圆弧上";
inline constexpr std::string_view unreachable = "终点无法到达";

// Warnings: the run goes on. An arc whose end is its start is skipped, pulses
// and all, so a full circle written as one arc is not cut.
inline constexpr std::string_view fullCircle = "整圆：终点与起点重合，本段不走";

// A program error on its line, counted from 1, the message already said:
// "第3行有错G....".
inline std::string errorLine(std::int64_t line, std::string_view said) {
    return words::fill("第{1}行有错{2}", {std::to_string(line), said});
}

// A warning on a line of its own, line counted from 1, the text already said:
// "第3行注意：整圆：…".
inline std::string warningLine(std::int64_t line, std::string_view said) {
    return words::fill("第{1}行注意：{2}", {std::to_string(line), said});
}

// Run refused.
inline constexpr std::string_view loadProgram = "请加载NC程序";
inline constexpr std::string_view loadFailed = "加载失败";
inline constexpr std::string_view parameterTitle = "参数错误";
inline constexpr std::string_view badOrigin = "工件原点必须是数字";
inline constexpr std::string_view originUnrepresentable =
    "工件原点必须在-999999999.99999999到999999999.99999999毫米之间，最多8位小数";
inline constexpr std::string_view badMagnification = "放大倍数必须是1到1000之间的整数";
inline constexpr std::string_view badPulseEquivalent = "脉冲当量必须在0.001到100毫米之间";
inline constexpr std::string_view pulseEquivalentTooFine = "脉冲当量最多8位小数";

// Spindle and coolant read-outs.
inline constexpr std::string_view on = "开";
inline constexpr std::string_view off = "关";

}  // namespace tarvo::interp::messages
