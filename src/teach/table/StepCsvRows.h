#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "teach/table/RowTexts.h"
#include "teach/table/TextbookStep.h"

namespace tarvo::teach {

// The rows of the runner's --steps CSV (see stepCsvHeader), gathered for a
// writer of millions of them: each row is laid out straight into one
// buffer, and the row's texts keep their room from row to row, so a row
// costs no allocation and no text is written twice.
class StepCsvRows {
public:
    StepCsvRows();
    ~StepCsvRows();

    // One row more, for an iteration (or a skipped segment) as it happens.
    void add(const TextbookStep& step);
    // The rows added since the last clear(), whole.
    std::string_view text() const { return {bytes_.data(), size_}; }
    std::size_t size() const { return size_; }
    void clear() { size_ = 0; }

private:
    // Room at the end for a row of these texts, whatever its numbers.
    char* roomForRow();

    std::vector<char> bytes_;
    std::size_t size_ = 0;
    RowTexts texts_;
    std::string decision_;
    // The cells whose value comes again from row to row: a move's capacity
    // and Z, and each register as one iteration leaves it and the next
    // finds it. Their texts are written once and copied after.
    struct RepeatedCells;
    std::unique_ptr<RepeatedCells> repeated_;
};

}  // namespace tarvo::teach
