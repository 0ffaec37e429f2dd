#pragma once

#include <array>

namespace tarvo::interp {

class Machine;

// The run commands every shell offers: 运行, 暂停, 停止, the three single
// steps (a timer tick, an interpolation step, to the end of the line's
// motion) and the step back.
enum class RunCommand { Run, Pause, Stop, StepTick, StepIteration, StepLine, StepBack };

inline constexpr std::array<RunCommand, 7> runCommands{
    RunCommand::Run,           RunCommand::Pause,    RunCommand::Stop,    RunCommand::StepTick,
    RunCommand::StepIteration, RunCommand::StepLine, RunCommand::StepBack};

// Whether the command can act on the machine now; a shell greys it
// otherwise. Run and Stop always can; the steps unless a run advances; Pause
// while one does; the step back when the run can go back. Shells ask after
// every command and whenever the machine stops advancing.
bool runCommandEnabled(const Machine& machine, RunCommand command);

}  // namespace tarvo::interp
