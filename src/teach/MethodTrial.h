#pragma once

#include <cstdint>
#include <stop_token>
#include <string>
#include <string_view>
#include <vector>

#include "interp/Parameters.h"
#include "motion/Interpolation.h"
#include "teach/MethodRun.h"

namespace tarvo::teach {

// One program run to its end on a machine nobody watches, under one choice
// of methods: what comparing two methods needs of each.
struct MethodTrial {
    enum class End {
        Finished,   // the program ran to its end
        Error,      // a program error or a refused Run stopped it: see message
        TickLimit,  // still running after the allowed ticks
        Cancelled,  // the caller asked it to stop
    };
    End end = End::Finished;
    std::string message;  // the machine's message when it stopped on an error
    MethodFigures figures;
    StepPath path;
    std::vector<IdealSegment> ideal;
    std::vector<std::uint8_t> fedAxes;  // per iteration, as MethodRun keeps it
    double dlstep = 10;                 // the run's step length, internal units
};

// Runs the program with the parameters under the given methods until it
// ends, or the machine has made maxTicks timer ticks, or stop is requested
// (looked at every few thousand ticks, so any thread may run it).
MethodTrial runMethodTrial(std::string_view program, interp::Parameters parameters,
                           motion::MethodChoice choice, std::uint64_t maxTicks,
                           std::stop_token stop = {});

}  // namespace tarvo::teach
