#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "teach/comparison/MethodFigures.h"
#include "teach/comparison/MethodTrial.h"

namespace tarvo::teach {

// The texts of 方法对比 in UTF-8, as the window's dialog and the web page
// show two trials side by side.

// A trial may make at most this many timer ticks.
inline constexpr std::uint64_t comparisonTickLimit = 4'000'000;
// Moves the table lists one by one; a longer program's are only summed.
inline constexpr std::size_t comparisonMovesListed = 1000;

// The texts are said in the spoken language when called, so a shell that
// switches languages asks again.
// The table's columns: the move, the run (A or B), then a move's figures.
std::array<std::string_view, 11> comparisonColumns();
// "合计（不含 G00）", the row of the moves compared.
std::string_view comparisonTotals();
// "完成节拍数（全程）", the row of the whole run's timer ticks.
std::string_view comparisonTicks();
std::string_view comparisonRunning();
std::string_view comparisonPrompt();
std::string_view comparisonFinished();

// The two trials' colours, A then B (r, g, b), told apart also by those who
// confuse red and green.
inline constexpr std::array<std::array<int, 3>, 2> comparisonColours = {
    {{0, 114, 178}, {213, 94, 0}}};

// "其余 12 段从略（已计入合计）"
std::string omittedMoves(std::size_t moves);
// "第3行 G02", a rapid "第8行 G00（不计入合计）".
std::string moveName(const MoveFigures& move);
// A method as its picker names it, "数字积分法（半加载）" with 半加载.
std::string trialName(std::string_view caption, bool halfLoad);
// A move's figures from 步数 on, counts whole and deviations in pulses to
// three places.
std::array<std::string, 9> figureCells(const MethodFigures& figures);
// Why a trial did not run its program to the end, named; empty when it did.
std::string trialNotice(const MethodTrial& trial, std::string_view name);

}  // namespace tarvo::teach
