#pragma once

#include <array>
#include <string_view>

#include "interp/Pace.h"

namespace tarvo::interp {

// An entry of a shell's 速度 box: its caption (a catalogue key: a shell shows
// words::say(caption)) and the pace it runs at.
struct PaceChoice {
    std::string_view caption;
    Pace pace;
};

// A step takes two ticks (the step and the reset of its pulses), so 500 ms a
// tick is one step a second. Slowest first; every shell lists them so.
inline constexpr std::array<PaceChoice, 7> paceChoices{{
    {"500 毫秒/节拍（每秒一步）", {1, 500}},
    {"100 毫秒/节拍", {1, 100}},
    {"10 毫秒/节拍", {1, 10}},
    {"1 毫秒/节拍（标准）", standardPace},
    {"×10（每毫秒 10 节拍）", {10, 1}},
    {"×100（每毫秒 100 节拍）", {100, 1}},
    {"最快", {0, 1}},
}};

// The box's tooltip.
inline constexpr std::string_view paceTip =
    "运行速度：一个节拍是定时器的一次中断，一步插补占两个节拍";

}  // namespace tarvo::interp
