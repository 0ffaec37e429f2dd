#include "cli/StepWriter.h"

#include "motion/StepCsv.h"

namespace tarvo::cli {

StepWriter::StepWriter(std::ostream& out) : out_(out) {
    out_ << motion::stepCsvHeader();
}

void StepWriter::interpolated(const motion::StepRecord& record, const motion::Segment&) {
    out_ << motion::stepCsvRow(record);
}

}  // namespace tarvo::cli
