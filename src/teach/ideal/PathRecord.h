#pragma once

#include <cstdint>

#include "interp/Timer.h"
#include "teach/ideal/LineSteps.h"
#include "teach/ideal/PathDeviation.h"

namespace tarvo::interp {
class Machine;
}

namespace tarvo::teach {

// What a run did, kept for teaching after it: the exact path of every
// segment with the deviation of its step points, and the step points of
// every program line. Watches the machine from construction to destruction,
// so it must go before the machine does; every fresh run replaces the record.
class PathRecord : public interp::TickListener {
public:
    explicit PathRecord(interp::Machine& machine);
    ~PathRecord() override;
    PathRecord(const PathRecord&) = delete;
    PathRecord& operator=(const PathRecord&) = delete;

    // Only the start of a run concerns the record; the steps come through its parts.
    void ticked(interp::TimerId) override {}
    void runStarted() override;
    // Its parts go back as the machine's step observers.
    bool rewound(std::uint64_t) override { return true; }

    const teach::PathDeviation& deviation() const { return deviation_; }
    const teach::LineSteps& steps() const { return steps_; }
    // The step length of the recorded run (internal units): a distance
    // divided by it is pulses.
    double dlstep() const { return dlstep_; }
    // Fresh runs recorded since it was made.
    std::uint64_t runs() const { return runs_; }

private:
    interp::Machine& machine_;
    teach::PathDeviation deviation_;
    teach::LineSteps steps_;
    double dlstep_;
    std::uint64_t runs_ = 0;
};

}  // namespace tarvo::teach
