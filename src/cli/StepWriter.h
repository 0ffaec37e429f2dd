#pragma once

#include <ostream>
#include <string>

#include "motion/StepRecord.h"
#include "teach/table/StepCsvRows.h"
#include "teach/table/TextbookStep.h"

namespace tarvo::interp {
class Machine;
}
namespace tarvo::cli {

// Writes the interpolation table CSV (--steps): the header, then one row as
// each interpolation iteration happens, so a run of any length is written
// whole without being held in memory. Rows go out in batches; flush() hands
// on the last of them, before the stream is closed.
class StepWriter : public motion::StepObserver {
public:
    StepWriter(std::ostream& out, const interp::Machine& machine);
    void interpolated(const motion::StepRecord& record, const motion::Segment& segment) override;
    void skipped(const motion::Segment& segment) override;
    void flush();

private:
    void add(const teach::TextbookStep& step);

    std::ostream& out_;
    const interp::Machine& machine_;
    teach::TextbookSegment segment_;  // what the textbook needs of the segment under way
    teach::StepCsvRows rows_;
};

}  // namespace tarvo::cli
