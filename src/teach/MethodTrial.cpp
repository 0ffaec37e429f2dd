#include "teach/MethodTrial.h"

#include <algorithm>

#include "interp/ClockDriver.h"
#include "interp/Machine.h"
#include "interp/Panel.h"

namespace tarvo::teach {

namespace {

struct MessageKeeper : interp::SilentPanel {
    void message(std::string_view text, std::string_view) override { last = std::string(text); }
    std::string last;
};

// Ticks between two looks at the caller's stop request.
constexpr std::uint64_t slice = 4096;

}  // namespace

MethodTrial runMethodTrial(std::string_view program, interp::Parameters parameters,
                           motion::MethodChoice choice, std::uint64_t maxTicks,
                           std::stop_token stop) {
    parameters.method = choice;
    MessageKeeper panel;
    interp::Machine machine(panel);
    MethodTrial trial;
    machine.run(program, parameters);
    MethodRun run(machine.dlstep().toDouble());
    machine.addStepObserver(&run);
    interp::ClockDriver clock(machine);
    std::uint64_t ticks = 0;
    while (machine.advancing()) {
        if (stop.stop_requested()) {
            trial.end = MethodTrial::End::Cancelled;
            break;
        }
        if (ticks >= maxTicks) {
            trial.end = MethodTrial::End::TickLimit;
            break;
        }
        const std::uint64_t before = machine.timer1Ticks() + machine.timer2Ticks();
        clock.runToEnd(std::min(slice, maxTicks - ticks));
        ticks += machine.timer1Ticks() + machine.timer2Ticks() - before;
    }
    machine.removeStepObserver(&run);
    if (!panel.last.empty()) {
        trial.end = MethodTrial::End::Error;
        trial.message = panel.last;
    }
    trial.figures = run.figures();
    trial.figures.ticks = machine.timer1Ticks() + machine.timer2Ticks();
    trial.path = run.path();
    trial.ideal = run.ideal();
    trial.fedAxes = run.fedAxes();
    trial.dlstep = machine.dlstep().toDouble();
    return trial;
}

}  // namespace tarvo::teach
