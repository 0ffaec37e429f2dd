#pragma once

#include <cstddef>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::test {

// The columns a line of UTF-8 takes on a terminal: a wide character (the CJK blocks, Hangul
// and the full-width forms) two, any other character one.
inline std::size_t terminalColumns(std::string_view line) {
    std::size_t columns = 0;
    for (std::size_t i = 0; i < line.size();) {
        const auto lead = static_cast<unsigned char>(line[i]);
        const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t point = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < line.size(); ++k) {
            point = point << 6 | (static_cast<unsigned char>(line[i + k]) & 0x3F);
        }
        const bool wide =
            (point >= 0x1100 && point <= 0x115F) || (point >= 0x2E80 && point <= 0xA4CF) ||
            (point >= 0xAC00 && point <= 0xD7A3) || (point >= 0xF900 && point <= 0xFAFF) ||
            (point >= 0xFE30 && point <= 0xFE4F) || (point >= 0xFF00 && point <= 0xFF60) ||
            (point >= 0xFFE0 && point <= 0xFFE6) || point >= 0x20000;
        columns += wide ? 2 : 1;
        i += length;
    }
    return columns;
}

// The lines of a text wider than `limit` columns, each with its width.
inline std::vector<std::string> linesWiderThan(const std::string& text, std::size_t limit) {
    std::vector<std::string> wide;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const std::size_t columns = terminalColumns(line);
        if (columns > limit) wide.push_back(std::to_string(columns) + ": " + line);
    }
    return wide;
}

}  // namespace tarvo::test
