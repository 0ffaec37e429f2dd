#pragma once

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <functional>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::test {

// One case of a table under tests/data, its fields by column name. A line the loader could not
// read becomes a row with the reason in `problem`, and the test given that row fails with it.
struct TableRow {
    std::string file, problem;
    int line = 0;
    std::map<std::string, std::string, std::less<>> fields;

    const std::string& operator[](std::string_view column) const {
        static const std::string none;
        const auto it = fields.find(column);
        if (it == fields.end()) ADD_FAILURE() << file << ':' << line << " has no " << column;
        return it == fields.end() ? none : it->second;
    }
    // The numbers of a column, separated by spaces; an empty field holds none.
    std::vector<double> numbers(std::string_view column) const {
        std::istringstream in((*this)[column]);
        std::vector<double> out;
        for (std::string word; in >> word;) {
            const char* last = word.data() + word.size();
            const auto [end, error] = std::from_chars(word.data(), last, out.emplace_back());
            if (error != std::errc{} || end != last) {
                ADD_FAILURE() << file << ':' << line << ' ' << column << ": " << word;
            }
        }
        return out;
    }
    double number(std::string_view column) const {
        const std::vector<double> n = numbers(column);
        if (n.size() != 1) ADD_FAILURE() << file << ':' << line << ' ' << column << ": no number";
        return n.empty() ? 0 : n[0];
    }
    template <class Number>
    Number as(std::string_view column) const {
        return static_cast<Number>(number(column));
    }
    // A column left empty where a case does not check it.
    double numberOr(std::string_view column, double otherwise) const {
        return (*this)[column].empty() ? otherwise : number(column);
    }
};

// Compares measured texts with the row's columns of those names. A column left empty is not
// checked; "-" stands for an empty text.
inline void expectTexts(const TableRow& row, const std::map<std::string, std::string>& measured) {
    for (const auto& [column, text] : measured) {
        if (const std::string& want = row[column]; !want.empty()) {
            EXPECT_EQ(text, want == "-" ? "" : want) << column;
        }
    }
}

// The bytes of a file under tests/data, as they are.
inline std::string dataFile(const std::string& name) {
    std::ifstream in(std::string(TARVO_TEST_DATA) + "/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline void PrintTo(const TableRow& row, std::ostream* os) {
    *os << row.file << ':' << row.line;
}

// Undoes \n, \r, \t, \\ and \xHH (two hex digits); any other backslash is a problem.
inline std::string unescaped(const std::string& field, std::string& problem) {
    std::string out;
    for (std::size_t i = 0; i < field.size(); ++i) {
        if (field[i] != '\\') {
            out += field[i];
            continue;
        }
        const char c = field[++i];  // '\0' for a backslash at the end
        const std::string hex = c == 'x' ? field.substr(i + 1, 2) : "";
        unsigned char byte = 0;
        const auto [end, error] = std::from_chars(hex.data(), hex.data() + hex.size(), byte, 16);
        if (const auto at = std::string_view("nrt\\").find(c); at != std::string_view::npos) {
            out += "\n\r\t\\"[at];
        } else if (hex.size() == 2 && error == std::errc{} && end == hex.data() + 2) {
            out += static_cast<char>(byte);
            i += 2;
        } else {
            problem = "bad escape \\" + std::string(1, c);
        }
    }
    return out;
}

// Reads tests/data/<name>: the first line is "# " and the column names, tab-separated, then one
// case a tab-separated line. Later lines starting with '#', and blank lines, are skipped.
inline std::vector<TableRow> loadTable(const std::string& name) {
    std::ifstream in(std::string(TARVO_TEST_DATA) + "/" + name, std::ios::binary);
    std::vector<TableRow> rows;
    std::vector<std::string> columns, fields;
    std::string text;
    for (int line = 1; std::getline(in, text); ++line) {
        fields.clear();
        for (std::size_t at = 0, tab = 0; tab != std::string::npos; at = tab + 1) {
            fields.push_back(text.substr(at, (tab = text.find('\t', at)) - at));
        }
        if (line == 1 && text.starts_with("# ")) columns = fields, columns[0].erase(0, 2);
        if (text.empty() || text[0] == '#') continue;
        TableRow& row = rows.emplace_back(TableRow{name, "", line, {}});
        if (fields.size() != columns.size()) {
            row.problem = std::to_string(fields.size()) + " fields under " +
                          std::to_string(columns.size()) + " columns";
        }
        for (std::size_t i = 0; i < fields.size() && i < columns.size(); ++i) {
            row.fields[columns[i]] = unescaped(fields[i], row.problem);
        }
    }
    if (rows.empty()) rows.push_back({name, "no cases could be read", 0, {}});
    return rows;
}

// A test over the rows of one table; each row is named after its line in the file.
class TableTest : public testing::TestWithParam<TableRow> {
protected:
    void SetUp() override { ASSERT_EQ(row().problem, "") << row().file << ':' << row().line; }
    const TableRow& row() const { return GetParam(); }
};

inline std::string rowName(const testing::TestParamInfo<TableRow>& info) {
    return "line" + std::to_string(info.param.line);
}

}  // namespace tarvo::test

// Declares a suite of TEST_P cases, one for each row of tests/data/<file>.
#define TARVO_TABLE_SUITE(Suite, file)                                                         \
    using Suite = ::tarvo::test::TableTest;                                                    \
    INSTANTIATE_TEST_SUITE_P(Data, Suite, ::testing::ValuesIn(::tarvo::test::loadTable(file)), \
                             ::tarvo::test::rowName)
