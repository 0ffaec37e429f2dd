#include "files/LongLines.h"

#include <string>

#include "words/Catalogue.h"

namespace tarvo::files {

namespace {

// UTF-16 units of the UTF-8 character that starts with byte `lead`: two for
// a four-byte sequence, one for every other lead byte, none for a
// continuation byte.
std::size_t utf16Units(unsigned char lead) {
    if ((lead & 0xC0) == 0x80) return 0;
    return lead >= 0xF0 ? 2 : 1;
}

// The byte length of the line's first `limit` UTF-16 units, none when the
// line is no longer than that; a character that would end past the limit
// is left out whole.
std::optional<std::size_t> cutAt(std::string_view line, std::size_t limit) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const std::size_t more = utf16Units(static_cast<unsigned char>(line[i]));
        if (more == 0) continue;
        if (units + more > limit) return i;
        units += more;
    }
    return std::nullopt;
}

// Calls `each` with every line without its CR LF or LF ending, and the ending.
template <typename Each>
void eachLine(std::string_view program, Each each) {
    std::size_t begin = 0;
    while (begin <= program.size()) {
        const std::size_t feed = program.find('\n', begin);
        const std::size_t end = feed == std::string_view::npos ? program.size() : feed;
        std::string_view line = program.substr(begin, end - begin);
        std::string_view ending = feed == std::string_view::npos ? "" : "\n";
        if (!ending.empty() && !line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
            ending = "\r\n";
        }
        each(line, ending);
        if (feed == std::string_view::npos) break;
        begin = feed + 1;
    }
}

}  // namespace

std::string readOnlyText(std::size_t line, std::string_view shownName) {
    return words::fill(
        "第{1}行超过{2}个字符，编辑器只显示长行的开头，程序只读打开；运行和保存用的是完整的程序：{"
        "3}",
        {std::to_string(line + 1), std::to_string(shownLineLength), shownName});
}

std::optional<std::size_t> firstLongLine(std::string_view program) {
    std::optional<std::size_t> found;
    std::size_t number = 0;
    eachLine(program, [&](std::string_view line, std::string_view) {
        if (!found && cutAt(line, shownLineLength)) found = number;
        ++number;
    });
    return found;
}

std::string shownProgram(std::string_view program) {
    std::string shown;
    shown.reserve(program.size());
    eachLine(program, [&](std::string_view line, std::string_view ending) {
        if (const auto cut = cutAt(line, shownLineLength)) {
            shown += line.substr(0, *cut);
            shown += cutMark;
        } else {
            shown += line;
        }
        shown += ending;
    });
    return shown;
}

}  // namespace tarvo::files
