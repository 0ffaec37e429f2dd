#include "cli/ProgramInput.h"

#include "files/ProgramEncoding.h"
#include "files/ProgramFile.h"

namespace tarvo::cli {

namespace {

std::string problemText(files::ReadProblem problem) {
    switch (problem) {
        case files::ReadProblem::Missing:
            return ": no such file";
        case files::ReadProblem::Folder:
            return ": a folder, not a file";
        case files::ReadProblem::NotRegularFile:
            return ": not a regular file";
        case files::ReadProblem::LinkLoop:
            return ": too many levels of symbolic links";
        case files::ReadProblem::TooLarge:
            return ": larger than " + std::to_string(files::maxProgramBytes >> 20) + " MiB";
        case files::ReadProblem::None:
        case files::ReadProblem::Failed:
            break;
    }
    return "";
}

}  // namespace

std::optional<std::string> readProgram(const std::string& path, std::string& error) {
    files::ProgramBytes file = files::readProgramFile(path);
    if (file.problem != files::ReadProblem::None) {
        error = "cannot read " + path + problemText(file.problem);
        return std::nullopt;
    }
    std::optional<files::DecodedProgram> program = files::ProgramEncoding::decode(file.bytes);
    if (!program) {
        error = "cannot read " + path + ": neither UTF-8 nor GB18030 text";
        return std::nullopt;
    }
    return std::move(program->text);
}

}  // namespace tarvo::cli
