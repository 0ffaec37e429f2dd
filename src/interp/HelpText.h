#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tarvo::interp {

// The texts of the 关于 menu's two windows, the same in every shell (UTF-8).

// 功能简介: the window's title and heading, and its one paragraph on what
// the simulator does, naming every word the interpreter accepts, so the help
// never promises one that a run refuses. Ends with CR LF, as it always did.
inline constexpr std::string_view helpTitle = "功能简介";
inline constexpr std::string_view helpHeading = "功能简介：";
std::string helpText();

// 设计者: the credits, one line each, top to bottom.
inline constexpr std::array<std::string_view, 3> designerLines = {
    "设计者：Tarvo 开发组", "联系：请在项目主页提交问题与建议",
    "版权所有 © Tarvo 开发组，供教学使用"};

}  // namespace tarvo::interp
