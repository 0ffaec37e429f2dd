#include "web/ProgramOpening.h"

#include "files/OpenRefusals.h"
#include "files/ProgramEncoding.h"
#include "files/ProgramFile.h"

namespace tarvo::web {

OpenedProgram openProgram(std::string_view name, std::string_view bytes) {
    if (bytes.size() > files::maxProgramBytes) {
        return {std::nullopt, files::unreadableText(files::ReadProblem::TooLarge, name)};
    }
    std::optional<files::DecodedProgram> program = files::ProgramEncoding::decode(bytes);
    if (!program) return {std::nullopt, files::undecodableText(name)};
    return {std::move(program->text), {}};
}

}  // namespace tarvo::web
