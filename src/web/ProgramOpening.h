#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvo::web {

// A program file the page was given, read as both desktop shells read one:
// at most files::maxProgramBytes, UTF-8 when it is valid UTF-8 (without its
// byte-order mark), otherwise GB18030.
struct OpenedProgram {
    std::optional<std::string> text;  // UTF-8; nothing when refused
    std::string refusal;              // why, in the window's words, under files::openRefusedTitle
};

// `name` is the file's name as the user chose it, for the message.
OpenedProgram openProgram(std::string_view name, std::string_view bytes);

}  // namespace tarvo::web
