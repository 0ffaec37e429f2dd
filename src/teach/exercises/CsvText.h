#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace tarvo::teach {

// One line of a CSV table as read: its fields, unquoted, and the line of the
// file it starts on (from 1), for saying where a fault lies.
struct CsvRecord {
    std::size_t line = 0;
    std::vector<std::string> fields;
};

// A field as written: quoted when it holds a comma, a quote or a line break,
// its quotes doubled.
std::string csvField(const std::string& text);

// The records of a CSV text without its byte-order mark: fields separated by
// commas, quoted with "" where they hold a comma, a quote or a line break,
// quotes inside doubled; lines ending in LF or CR LF, the last one perhaps in
// nothing. Blank lines are skipped. Throws std::invalid_argument, its message
// in the language spoken with the line, for a quote left open, a quote inside an
// unquoted field or after a closing one, or a CR that ends no line.
std::vector<CsvRecord> readCsv(std::string_view text);

}  // namespace tarvo::teach
