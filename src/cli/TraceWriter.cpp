#include "cli/TraceWriter.h"

#include <string>

#include "interp/Machine.h"
#include "motion/exact/NumberText.h"

namespace tarvo::cli {

TraceWriter::TraceWriter(std::ostream& out, const interp::Machine& machine)
    : out_(out), machine_(machine) {
    out_ << "tick,timer,txtpos,txtline,out,xcur,ycur,zcur\n";
}

void TraceWriter::ticked(interp::TimerId timer) {
    const auto& engine = machine_.interpolator();
    const auto& interp = machine_.interpreter();
    std::string row = std::to_string(++tick_);
    row += ',' + std::to_string(static_cast<int>(timer)) + ',' + std::to_string(interp.txtpos) +
           ',' + std::to_string(interp.txtline) + ',' + machine_.outdata().texts() + ',' +
           motion::exactText(engine.xcur) + ',' + motion::exactText(engine.ycur) + ',' +
           motion::exactText(engine.zcur) + '\n';
    out_ << row;
}

}  // namespace tarvo::cli
