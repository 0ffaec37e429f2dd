#include "files/OpenRefusals.h"

#include "words/Catalogue.h"

namespace tarvo::files {

std::string unreadableText(ReadProblem problem, std::string_view shownName) {
    switch (problem) {
        case ReadProblem::Missing:
            return words::fill("找不到文件：{1}", {shownName});
        case ReadProblem::Folder:
            return words::fill("这是文件夹，不是文件：{1}", {shownName});
        case ReadProblem::NotRegularFile:
            return words::fill("这不是普通文件（管道或设备）：{1}", {shownName});
        case ReadProblem::LinkLoop:
            return words::fill("符号链接层数过多：{1}", {shownName});
        case ReadProblem::TooLarge:
            return words::fill("文件超过 {1} MiB：{2}",
                               {std::to_string(maxProgramBytes >> 20), shownName});
        case ReadProblem::None:
        case ReadProblem::Failed:
            break;
    }
    return words::fill("无法读取文件：{1}", {shownName});
}

std::string undecodableText(std::string_view shownName) {
    return words::fill("文件不是 UTF-8 或 GBK 编码的文本：{1}", {shownName});
}

}  // namespace tarvo::files
