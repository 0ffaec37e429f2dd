#pragma once

#include <optional>
#include <string>

namespace tarvo::cli {

// The program a run starts from, read and decoded as the window reads it
// (files::readProgramFile, files::ProgramEncoding): the same text reaches the
// interpreter in both. Nothing, with `error` set to the runner's message,
// when the file cannot be read or is not text.
std::optional<std::string> readProgram(const std::string& path, std::string& error);

}  // namespace tarvo::cli
