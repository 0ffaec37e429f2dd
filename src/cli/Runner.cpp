#include "cli/Runner.h"

#include "interp/ClockDriver.h"

namespace tarvo::cli {

std::string_view endName(End end) {
    switch (end) {
        case End::EndOfText:
            return "end-of-text";
        case End::Error:
            return "error";
        case End::TickLimit:
            return "tick-limit";
    }
    return "";
}

End Runner::run(std::string_view text, std::uint64_t maxTicks, interp::TickListener* listener) {
    if (listener) machine_.addTickListener(listener);
    machine_.run(text, parameters_);
    const auto finish = interp::ClockDriver(machine_).runToEnd(maxTicks);
    machine_.removeTickListener(listener);
    if (panel_.last) return End::Error;
    return finish == interp::ClockDriver::Finish::TickLimit ? End::TickLimit : End::EndOfText;
}

}  // namespace tarvo::cli
