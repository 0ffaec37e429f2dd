#include "cli/StepWriter.h"

#include "interp/Machine.h"
#include "teach/table/SkippedSegment.h"
#include "teach/table/StepCsv.h"

namespace tarvo::cli {

StepWriter::StepWriter(std::ostream& out, const interp::Machine& machine)
    : out_(out), machine_(machine) {
    out_ << teach::stepCsvHeader();
}

void StepWriter::interpolated(const motion::StepRecord& record, const motion::Segment& segment) {
    // The interpolator counts the iterations of each segment from 1.
    if (record.number == 1) segment_ = teach::textbookSegment(segment, machine_.dlstep());
    row_.clear();
    teach::appendStepCsvRow(row_, {record, segment_});
    out_.write(row_.data(), static_cast<std::streamsize>(row_.size()));
}

void StepWriter::skipped(const motion::Segment& segment) {
    segment_ = teach::textbookSegment(segment, machine_.dlstep());
    out_ << teach::stepCsvRow({teach::skippedRecord(segment), segment_});
}

}  // namespace tarvo::cli
