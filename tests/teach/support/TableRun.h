#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "interp/Machine.h"
#include "support/MethodNamed.h"
#include "support/Programs.h"
#include "support/RecordingPanel.h"
#include "teach/table/StepTable.h"

namespace tarvo::test {

// The moves of a table's case between the program's "%" lines.
inline std::string programOf(const std::string& moves) {
    return "%\n" + moves + "\n%\n";
}

// A run at a pulse equivalent under the method of a key ("dda-half" for 半加载).
inline interp::Parameters paramsOf(double dl, std::string_view method = "machine") {
    interp::Parameters p = withDl(dl);
    p.method = methodNamed(method);
    return p;
}

// A machine with the interpolation table watching, and the program it runs.
struct TableRun {
    explicit TableRun(std::size_t capacity = teach::StepTable::defaultCapacity)
        : table(machine, capacity) {}
    TableRun(const std::string& text, const interp::Parameters& p,
             std::size_t capacity = teach::StepTable::defaultCapacity)
        : TableRun(capacity) {
        program = text;
        parameters = p;
        runToEnd(machine, program, p);
    }

    // Every row kept, as the textbook's table shows it; or those of one line.
    std::vector<teach::TextbookStep> steps(std::int64_t line = 0) const {
        std::vector<teach::TextbookStep> all;
        for (std::uint64_t serial = table.firstSerial(); serial < table.endSerial(); ++serial) {
            if (line == 0 || table.at(serial).line == line) all.push_back(table.textbookAt(serial));
        }
        return all;
    }

    RecordingPanel panel;
    interp::Machine machine{panel};
    teach::StepTable table;
    std::string program;
    interp::Parameters parameters;
};

}  // namespace tarvo::test
