#include "teach/ideal/PathRecord.h"

#include "interp/Machine.h"

namespace tarvo::teach {

PathRecord::PathRecord(interp::Machine& machine)
    : machine_(machine), dlstep_(machine.dlstep().toDouble()) {
    machine_.addTickListener(this);
    machine_.addStepObserver(&deviation_);
    machine_.addStepObserver(&steps_);
}

PathRecord::~PathRecord() {
    machine_.removeStepObserver(&steps_);
    machine_.removeStepObserver(&deviation_);
    machine_.removeTickListener(this);
}

void PathRecord::runStarted() {
    // The run has taken its parameters by now.
    dlstep_ = machine_.dlstep().toDouble();
    deviation_.clear();
    steps_.clear();
    ++runs_;
}

}  // namespace tarvo::teach
