#pragma once

#include <array>
#include <memory>
#include <string>

#include "interp/Parameters.h"
#include "motion/Interpolation.h"
#include "teach/MethodTrial.h"

namespace tarvo::web {

// 方法对比 as the worker drives it: the program run under method A, then under
// method B, each on a machine of its own, a slice of ticks at a time between
// the page's messages, so that 取消 gets through at once.
class Comparison {
public:
    Comparison(std::string program, interp::Parameters parameters,
               std::array<motion::MethodChoice, 2> choices);

    // Runs about `ticks` more timer ticks; whether the comparison goes on.
    bool advance(std::uint64_t ticks);
    // Stops the trial under way as cancelled; one not begun is cancelled before it runs.
    void cancel();
    bool running() const { return which_ < 2; }
    // Only once the comparison is over.
    const teach::MethodTrial& trial(int which) const { return *trials_[which]; }
    motion::MethodChoice choice(int which) const { return choices_[which]; }

private:
    void begin();

    std::string program_;
    interp::Parameters parameters_;
    std::array<motion::MethodChoice, 2> choices_;
    std::array<std::unique_ptr<teach::MethodTrial>, 2> trials_;
    int which_ = 0;  // the trial under way; 2 when both are over
};

}  // namespace tarvo::web
