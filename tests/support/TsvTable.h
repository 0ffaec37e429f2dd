#pragma once

#include <algorithm>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

namespace tarvo::test {

// One row of a table of hand-checked figures, its cells named by the header.
struct TsvRow {
    std::shared_ptr<const std::vector<std::string>> columns;
    std::vector<std::string> cells;
    std::string where;  // "file:line", for failure messages

    const std::string& operator[](std::string_view column) const {
        for (std::size_t i = 0; i < columns->size(); ++i) {
            if ((*columns)[i] == column && i < cells.size()) return cells[i];
        }
        ADD_FAILURE() << where << ": no cell \"" << column << "\"";
        static const std::string none;
        return none;
    }
};

inline std::vector<std::string> splitTabs(const std::string& line) {
    std::vector<std::string> cells;
    std::istringstream in(line);
    for (std::string cell; std::getline(in, cell, '\t');) cells.push_back(cell);
    if (!line.empty() && line.back() == '\t') cells.emplace_back();
    return cells;
}

// tests/data/<name>: tab-separated, a "#" header line naming the columns
// first, blank lines ignored.
inline std::vector<TsvRow> readTsv(const std::string& name) {
    const std::string path = std::string(TARVO_TEST_DATA) + "/" + name;
    std::ifstream in(path);
    if (!in) ADD_FAILURE() << "cannot read " << path;
    std::string line;
    std::getline(in, line);
    if (!line.starts_with("#")) ADD_FAILURE() << path << ": no \"#\" header line";
    const std::size_t first = std::min(line.find_first_not_of("# "), line.size());
    const auto columns =
        std::make_shared<const std::vector<std::string>>(splitTabs(line.substr(first)));
    std::vector<TsvRow> rows;
    for (int number = 2; std::getline(in, line); ++number) {
        if (line.empty()) continue;
        TsvRow row{columns, splitTabs(line), name + ":" + std::to_string(number)};
        if (row.cells.size() != columns->size()) ADD_FAILURE() << row.where << ": wrong cell count";
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace tarvo::test
