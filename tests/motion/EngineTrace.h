#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "interp/ClockDriver.h"
#include "interp/Machine.h"
#include "motion/Segment.h"
#include "support/Programs.h"
#include "support/RecordingPanel.h"

namespace tarvo::test {

// Names the instances of a parameterized test after their case's `name`.
struct CaseName {
    template <class Case>
    std::string operator()(const ::testing::TestParamInfo<Case>& info) const {
        return info.param.name;
    }
};

// The engine as it stood after one tick of the interpolation timer.
struct EngineTick {
    motion::Registers r;
    double xcur = 0, ycur = 0, zcur = 0;
    std::string outdata;                            // bits 0 to 7 after the tick
    std::size_t pointsBefore = 0, pointsAfter = 0;  // range in RecordingPanel::points
    std::size_t bitsBefore = 0, bitsAfter = 0;      // range in RecordingPanel::bits

    bool stepped() const { return pointsAfter > pointsBefore; }
};

// One motion of the program: the segment as the dispatcher handed it over and
// every Timer2 tick until it ended (or the run stopped).
struct SegmentRun {
    std::int64_t line = 0;  // program line of the motion, counted from 1
    motion::Segment handed;
    std::vector<EngineTick> ticks;

    std::size_t steps() const {
        std::size_t n = 0;
        for (const EngineTick& t : ticks) n += t.stepped() ? 1 : 0;
        return n;
    }
    // Step ticks so far, i.e. calls of the interpolation routine.
    std::size_t iterations() const { return (ticks.size() + 1) / 2; }
    const EngineTick& last() const { return ticks.back(); }
};

// Listens to the machine's clock and files every Timer2 tick under the
// segment it belongs to.
class EngineTrace : public interp::TickListener {
public:
    EngineTrace(const interp::Machine& machine, const RecordingPanel& panel)
        : machine_(machine), panel_(panel) {}

    void ticked(int timer) override {
        if (timer == 1 && machine_.timer2().enabled) {
            segments.push_back({machine_.interpreter().txtline, machine_.segment(), {}});
        }
        if (timer == 2) {
            const auto& e = machine_.interpolator();
            segments.back().ticks.push_back({machine_.registers(), e.xcur, e.ycur, e.zcur,
                                             machine_.outdata().texts(), points_,
                                             panel_.points.size(), bits_, panel_.bits.size()});
        }
        sync();
    }

    // Takes what the panel holds now as already seen (call after Run).
    void sync() {
        points_ = panel_.points.size();
        bits_ = panel_.bits.size();
    }

    std::vector<SegmentRun> segments;

private:
    const interp::Machine& machine_;
    const RecordingPanel& panel_;
    std::size_t points_ = 0, bits_ = 0;
};

// A fresh machine that runs one program to its end, traced tick by tick.
// Its current point stands at the origin, not at the run's start point
// (0, 0, 60): a first line "G00Z0" ends at once and leaves the tool on the
// work surface at X 0, Y 0 without a step.
struct TracedRun {
    RecordingPanel panel;
    interp::Machine machine{panel};
    EngineTrace trace{machine, panel};

    explicit TracedRun(const std::string& program, double dl = 1,
                       std::uint64_t maxTicks = 2'000'000) {
        machine.setTickListener(&trace);
        machine.run(program, withDl(dl));
        trace.sync();
        interp::ClockDriver(machine).runToEnd(maxTicks);
    }

    const std::vector<SegmentRun>& segments() const { return trace.segments; }
    // The n-th motion handed to the interpolator, counted from 1.
    const SegmentRun& segment(std::size_t n) const { return trace.segments.at(n - 1); }
    const RecordingPanel::Point& point(std::size_t index) const { return panel.points.at(index); }
};

}  // namespace tarvo::test

namespace tarvo::motion {
namespace {

// Parameterized cases print as their name in test listings.
template <class Case>
requires requires(const Case& c) {
    c.name;
}
void PrintTo(const Case& c, std::ostream* os) {
    *os << c.name;
}

}  // namespace
}  // namespace tarvo::motion
