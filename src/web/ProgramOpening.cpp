#include "web/ProgramOpening.h"

#include "files/ProgramEncoding.h"
#include "files/ProgramFile.h"

namespace tarvo::web {

OpenedProgram openProgram(std::string_view name, std::string_view bytes) {
    if (bytes.size() > files::maxProgramBytes) {
        return {std::nullopt, "文件超过 " + std::to_string(files::maxProgramBytes >> 20) +
                                  " MiB：" + std::string(name)};
    }
    std::optional<files::DecodedProgram> program = files::ProgramEncoding::decode(bytes);
    if (!program) return {std::nullopt, "文件不是 UTF-8 或 GBK 编码的文本：" + std::string(name)};
    return {std::move(program->text), {}};
}

}  // namespace tarvo::web
