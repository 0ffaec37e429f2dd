#include "files/OpenRefusals.h"

namespace tarvo::files {

std::string unreadableText(ReadProblem problem, std::string_view shownName) {
    const std::string name(shownName);
    switch (problem) {
        case ReadProblem::Missing:
            return "找不到文件：" + name;
        case ReadProblem::Folder:
            return "这是文件夹，不是文件：" + name;
        case ReadProblem::NotRegularFile:
            return "这不是普通文件（管道或设备）：" + name;
        case ReadProblem::LinkLoop:
            return "符号链接层数过多：" + name;
        case ReadProblem::TooLarge:
            return "文件超过 " + std::to_string(maxProgramBytes >> 20) + " MiB：" + name;
        case ReadProblem::None:
        case ReadProblem::Failed:
            break;
    }
    return "无法读取文件：" + name;
}

std::string undecodableText(std::string_view shownName) {
    return "文件不是 UTF-8 或 GBK 编码的文本：" + std::string(shownName);
}

}  // namespace tarvo::files
