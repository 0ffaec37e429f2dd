#include "teach/comparison/MethodTrial.h"

#include <algorithm>

#include "interp/ClockDriver.h"
#include "interp/Machine.h"
#include "interp/Panel.h"

namespace tarvo::teach {

struct MethodTrial::Panel : interp::SilentPanel {
    void message(std::string_view text, std::string_view) override { last = std::string(text); }
    std::string last;
};

namespace {

std::unique_ptr<interp::Machine> started(interp::Panel& panel, std::string_view program,
                                         interp::Parameters parameters,
                                         motion::MethodChoice choice) {
    parameters.method = choice;
    auto machine = std::make_unique<interp::Machine>(panel);
    machine->run(program, parameters);
    return machine;
}

}  // namespace

MethodTrial::MethodTrial(std::string_view program, interp::Parameters parameters,
                         motion::MethodChoice choice, std::uint64_t maxTicks)
    : panel_(std::make_unique<Panel>()),
      machine_(started(*panel_, program, parameters, choice)),
      dlstep_(machine_->dlstep().toDouble()),
      run_(dlstep_),
      maxTicks_(maxTicks) {
    machine_->addStepObserver(&run_);
    settle();
}

MethodTrial::~MethodTrial() {
    machine_->removeStepObserver(&run_);
}

bool MethodTrial::advance(std::uint64_t ticks) {
    if (end_ != End::Running) return false;
    interp::ClockDriver(*machine_).runToEnd(std::min(ticks, maxTicks_ - this->ticks()));
    settle();
    return end_ == End::Running;
}

void MethodTrial::stop() {
    if (end_ == End::Running) end_ = End::Cancelled;
}

const std::string& MethodTrial::message() const {
    return panel_->last;
}

std::uint64_t MethodTrial::ticks() const {
    return machine_->timer1Ticks() + machine_->timer2Ticks();
}

// Whether the run has ended, and how: a message the machine gave outweighs
// the limit of ticks it came to at the same time.
void MethodTrial::settle() {
    if (!panel_->last.empty()) {
        end_ = End::Error;
    } else if (!machine_->advancing()) {
        end_ = End::Finished;
    } else if (ticks() >= maxTicks_) {
        end_ = End::TickLimit;
    }
}

}  // namespace tarvo::teach
