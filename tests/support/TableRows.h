#pragma once

#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tarvo::test {

// A row of a table file: its fields by column name.
using TableRow = std::map<std::string, std::string>;

// A field of a table file: \r, \n, \\ and \xNN stand for those bytes, so a
// file's exact bytes can be written down; anything else stands for itself.
inline std::string unescaped(const std::string& field) {
    std::string bytes;
    for (std::size_t i = 0; i < field.size(); ++i) {
        const char code = field[i] == '\\' && i + 1 < field.size() ? field[++i] : '\0';
        if (code == 'x') {
            bytes += static_cast<char>(std::stoi(field.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            bytes += code == 'r' ? '\r' : code == 'n' ? '\n' : code ? code : field[i];
        }
    }
    return bytes;
}

inline std::string trimmed(const std::string& text) {
    const auto begin = text.find_first_not_of(" \t\r");
    if (begin == std::string::npos) return "";
    return text.substr(begin, text.find_last_not_of(" \t\r") - begin + 1);
}

// The rows of a table of hand-checked cases in tests/data, as the window's
// tables are written (tests/app/support/TableFile.h): a row a line, its
// fields split at '|' and trimmed, named by `columns` in order; blank lines
// and '#' lines skipped. Nothing if the file cannot be read or a row has not
// a field per column.
inline std::optional<std::vector<TableRow>> tableRows(const std::string& fileName,
                                                      const std::vector<std::string>& columns) {
    std::ifstream file(TARVO_TEST_DATA "/" + fileName, std::ios::binary);
    if (!file) return std::nullopt;
    std::vector<TableRow> rows;
    for (std::string line; std::getline(file, line);) {
        line = trimmed(line);
        if (line.empty() || line[0] == '#') continue;
        TableRow row;
        std::size_t begin = 0;
        for (const std::string& column : columns) {
            const std::size_t bar = line.find('|', begin);
            if (begin > line.size()) return std::nullopt;
            row[column] = unescaped(trimmed(line.substr(begin, bar - begin)));
            begin = bar == std::string::npos ? line.size() + 1 : bar + 1;
        }
        if (begin <= line.size()) return std::nullopt;
        rows.push_back(row);
    }
    return rows;
}

}  // namespace tarvo::test
