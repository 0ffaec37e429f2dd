#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tarvo::files {

// A line longer than an editor can lay out at once. Laying out a line costs
// time in proportion to its length, at every edit and on every paint, so an
// editor shows only the first shownLineLength UTF-16 units of such a line,
// then "…", and opens the program read-only; Run and Save take it whole.
// Lines end at line feeds, as the interpreter counts them; a CR before the
// feed is the line's ending, no part of it.
inline constexpr std::size_t shownLineLength = 10'000;
inline constexpr std::string_view cutMark = "…";

// The message box of such a program, in every shell that opens files.
inline constexpr std::string_view readOnlyTitle = "只读打开";
// `line` counted from 0; the file named as the shell shows it.
std::string readOnlyText(std::size_t line, std::string_view shownName);

// The first line (from 0) of a UTF-8 program longer than shownLineLength
// UTF-16 units; none when every line fits.
std::optional<std::size_t> firstLongLine(std::string_view program);

// The program as an editor shows it: each long line cut to its first
// shownLineLength UTF-16 units (one fewer where the last would split a
// character in two) and cutMark; the other lines and every line ending as
// they were.
std::string shownProgram(std::string_view program);

}  // namespace tarvo::files
