#include "interp/RunCommands.h"

#include "interp/Machine.h"

namespace tarvo::interp {

bool runCommandEnabled(const Machine& machine, RunCommand command) {
    switch (command) {
        case RunCommand::Run:
        case RunCommand::Stop:
            return true;
        case RunCommand::Pause:
            return machine.advancing();
        case RunCommand::StepTick:
        case RunCommand::StepIteration:
        case RunCommand::StepLine:
            return !machine.advancing();
        case RunCommand::StepBack:
            return machine.canStepBack();
    }
    return false;
}

}  // namespace tarvo::interp
