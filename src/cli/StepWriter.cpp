#include "cli/StepWriter.h"

#include "interp/Machine.h"
#include "teach/table/SkippedSegment.h"
#include "teach/table/StepCsv.h"

namespace tarvo::cli {

namespace {

// Rows gather to this much before they go to the stream in one write.
constexpr std::size_t batch = 256 * 1024;

}  // namespace

StepWriter::StepWriter(std::ostream& out, const interp::Machine& machine)
    : out_(out), machine_(machine) {
    out_ << teach::stepCsvHeader();
}

void StepWriter::interpolated(const motion::StepRecord& record, const motion::Segment& segment) {
    // The interpolator counts the iterations of each segment from 1.
    if (record.number == 1) segment_ = teach::textbookSegment(segment, machine_.dlstep());
    add({record, segment_});
}

void StepWriter::skipped(const motion::Segment& segment) {
    segment_ = teach::textbookSegment(segment, machine_.dlstep());
    add({teach::skippedRecord(segment), segment_});
}

void StepWriter::add(const teach::TextbookStep& step) {
    rows_.add(step);
    if (rows_.size() >= batch) flush();
}

void StepWriter::flush() {
    out_.write(rows_.text().data(), static_cast<std::streamsize>(rows_.size()));
    rows_.clear();
}

}  // namespace tarvo::cli
