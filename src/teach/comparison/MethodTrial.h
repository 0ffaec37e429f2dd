#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "interp/Parameters.h"
#include "motion/Interpolation.h"
#include "teach/comparison/MethodRun.h"

namespace tarvo::interp {
class Machine;
}

namespace tarvo::teach {

// One program run on a machine nobody watches, under one choice of methods:
// what comparing two methods needs of each. Started at once, then advanced
// a slice of timer ticks at a time by whoever drives it (a worker thread or
// a timer), which may stop it between slices; any thread may drive it, one
// at a time.
class MethodTrial {
public:
    enum class End {
        Running,    // neither ended nor stopped yet
        Finished,   // the program ran to its end
        Error,      // a program error or a refused Run stopped it: see message
        TickLimit,  // still running after the allowed ticks
        Cancelled,  // the driver stopped it
    };

    // Starts the program with the parameters under the given methods; it may
    // make at most maxTicks timer ticks. A refused Run ends it at once.
    MethodTrial(std::string_view program, interp::Parameters parameters,
                motion::MethodChoice choice, std::uint64_t maxTicks);
    ~MethodTrial();
    MethodTrial(const MethodTrial&) = delete;
    MethodTrial& operator=(const MethodTrial&) = delete;

    // Runs about `ticks` more timer ticks, fewer if the run ends on the way;
    // says whether it is still running.
    bool advance(std::uint64_t ticks);
    // Ends a run still going as cancelled, keeping what it did so far.
    void stop();

    End end() const { return end_; }
    // The machine's message when it stopped on an error.
    const std::string& message() const;
    // Timer ticks made since Run.
    std::uint64_t ticks() const;
    // The run's step length, internal units (tenths of a millimetre).
    double dlstep() const { return dlstep_; }
    const MethodRun& run() const { return run_; }

private:
    struct Panel;
    void settle();

    std::unique_ptr<Panel> panel_;
    std::unique_ptr<interp::Machine> machine_;
    double dlstep_;
    MethodRun run_;
    std::uint64_t maxTicks_;
    End end_ = End::Running;
};

}  // namespace tarvo::teach
