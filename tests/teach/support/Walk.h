#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "motion/PulseStep.h"
#include "support/TableFile.h"

namespace tarvo::test {

// The parts of a walk's argument, split at each "|", spaces kept: "-Y| −13 ".
inline std::vector<std::string> partsOf(const std::string& with) {
    std::vector<std::string> parts;
    for (std::size_t at = 0, bar = 0; bar != std::string::npos; at = bar + 1) {
        parts.push_back(with.substr(at, (bar = with.find('|', at)) - at));
    }
    return parts;
}

// A feed as a walk writes it: "+X", "-Y", or "0" for none.
inline motion::PulseFeed feedOf(const std::string& text) {
    if (text.size() != 2) return {};
    const std::int8_t sign = text[0] == '-' ? -1 : 1;
    return text[1] == 'X' ? motion::PulseFeed{sign, 0} : motion::PulseFeed{0, sign};
}

inline std::string yesNo(bool said) {
    return said ? "yes" : "no";
}

// The rows of a walk table, one walk after another: a row whose `do` is `begin` starts the
// next walk; each row does one thing and checks what the shell then shows (`did` does it
// and tells what is shown).
template <class Walk>
void walkThrough(const std::string& file) {
    std::vector<TableRow> rows = loadTable(file);
    std::unique_ptr<Walk> walk;
    for (const TableRow& row : rows) {
        SCOPED_TRACE(file + ':' + std::to_string(row.line) + ' ' + row["do"]);
        ASSERT_EQ(row.problem, "");
        if (row["do"] == "begin") walk = std::make_unique<Walk>(row["with"]);
        ASSERT_TRUE(walk) << "no walk begun";
        expectTexts(row, walk->did(row));
    }
}

}  // namespace tarvo::test
