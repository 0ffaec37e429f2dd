#pragma once

#include <string>
#include <string_view>

#include "files/ProgramFile.h"

namespace tarvo::files {

// A program file that is not opened is refused in a message box under this
// title (said: words::say), in every shell that opens files for a user.
inline constexpr std::string_view openRefusedTitle = "打开失败";

// Why the file was not read, in the user's words and the spoken language,
// naming it as the shell shows it ("找不到文件：a.nc").
std::string unreadableText(ReadProblem problem, std::string_view shownName);

// The file was read but is neither UTF-8 nor GB18030 text.
std::string undecodableText(std::string_view shownName);

}  // namespace tarvo::files
