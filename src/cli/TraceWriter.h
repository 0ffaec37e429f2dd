#pragma once

#include <cstdint>
#include <ostream>

#include "interp/Timer.h"

namespace tarvo::interp {
class Machine;
}

namespace tarvo::cli {

// Writes the trace CSV: a header, then one row after every timer tick with the
// interpreter position, the output byte and the current point.
class TraceWriter : public interp::TickListener {
public:
    TraceWriter(std::ostream& out, const interp::Machine& machine);
    void ticked(interp::TimerId timer) override;

private:
    std::ostream& out_;
    const interp::Machine& machine_;
    std::uint64_t tick_ = 0;
};

}  // namespace tarvo::cli
