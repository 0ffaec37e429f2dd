#include "cli/StepWriter.h"

#include "teach/StepCsv.h"

namespace tarvo::cli {

StepWriter::StepWriter(std::ostream& out) : out_(out) {
    out_ << teach::stepCsvHeader();
}

void StepWriter::interpolated(const motion::StepRecord& record, const motion::Segment&) {
    out_ << teach::stepCsvRow(record);
}

}  // namespace tarvo::cli
