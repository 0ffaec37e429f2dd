#pragma once

#include <algorithm>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/Programs.h"
#include "support/RecordingPanel.h"

namespace tarvo::test {

// Everything a run can change, taken at one moment, so that two states compare whole.
struct State {
    std::int64_t txtpos = 0, txtline = 0;
    std::string gcode, mcode, lcode, outdata;
    motion::Segment s;
    motion::Registers r;
    double xcur = 0, ycur = 0, zcur = 0;
    std::int16_t phase = 0;
    bool timer1 = false, timer2 = false, spindle = false, coolant = false;
    std::uint64_t timer1Ticks = 0, timer2Ticks = 0;
    std::size_t points = 0, bits = 0, pathUpper = 0, wallUpper = 0;  // points, bits: panel calls
    std::int64_t caret = 0, markedLine = 0;

    bool operator==(const State&) const = default;
};

inline void PrintTo(const State& s, std::ostream* os) {
    *os << "{line " << s.txtline << " pos " << s.txtpos << ", cur " << s.xcur << " " << s.ycur
        << " " << s.zcur << ", out " << s.outdata << ", timers " << s.timer1 << s.timer2
        << ", ticks " << s.timer1Ticks << "/" << s.timer2Ticks << ", points " << s.points << "}";
}

inline State capture(const interp::Machine& m, const RecordingPanel& p) {
    const interp::Interpreter& i = m.interpreter();
    const motion::Interpolator& e = m.interpolator();
    State s;
    s.txtpos = i.txtpos, s.txtline = i.txtline, s.gcode = i.gcode, s.mcode = i.mcode;
    s.lcode = i.lcode, s.outdata = m.outdata().texts(), s.s = m.segment(), s.r = m.registers();
    s.xcur = e.xcur.toDouble(), s.ycur = e.ycur.toDouble(), s.zcur = e.zcur.toDouble();
    s.phase = e.phase;
    s.timer1 = m.timer1().enabled, s.timer2 = m.timer2().enabled;
    s.spindle = m.switches().zhukg, s.coolant = m.switches().lengkg;
    s.timer1Ticks = m.timer1Ticks(), s.timer2Ticks = m.timer2Ticks();
    s.points = p.points.size(), s.bits = p.bits.size();
    s.pathUpper = m.path().pathUpper(), s.wallUpper = m.path().wallUpper();
    s.caret = p.caret, s.markedLine = p.markedLine;
    return s;
}

// One timer tick: which timer, the machine after it, the panel's points and bits before it, and
// whether it was a step tick.
struct Tick {
    int timer;
    State after;
    std::size_t pointsBefore, bitsBefore;
    bool stepTick;

    bool stepped() const { return after.points > pointsBefore; }
};

// One motion: its line (from 1), the segment as handed over, and its Timer2 ticks.
struct SegmentRun {
    std::int64_t line = 0;
    motion::Segment handed;
    std::vector<Tick> ticks;

    std::size_t steps() const {
        return static_cast<std::size_t>(
            std::count_if(ticks.begin(), ticks.end(), [](const Tick& t) { return t.stepped(); }));
    }
    const State& last() const { return ticks.back().after; }
};

// Every message the panel was shown, as "text (title)", one after another.
inline std::string shown(const RecordingPanel& p) {
    std::string out;
    for (const auto& m : p.messages) out += m.text + " (" + m.title + ")";
    return out;
}

// Advances until no timer ticks any more; fails the test past the limit.
inline void finish(interp::Machine& m, std::uint64_t maxTicks = 2'000'000) {
    if (interp::ClockDriver(m).runToEnd(maxTicks) != interp::ClockDriver::Finish::Idle) {
        ADD_FAILURE() << "the run did not end within " << maxTicks << " ticks";
    }
}

// A machine with a panel that records what it shows.
struct Rig {
    RecordingPanel panel;
    interp::Machine machine{panel};

    State now() const { return capture(machine, panel); }
};

// A machine run to the end, every tick recorded and Timer2 ticks filed by segment.
struct TracedRun : Rig, interp::TickListener {
    State started;  // just after Run, before the first tick
    std::vector<Tick> ticks;
    std::vector<SegmentRun> segments;
    std::size_t points = 0, bits = 0;  // shown before the tick under way
    std::uint64_t stepTicks = 0;

    TracedRun() = default;
    explicit TracedRun(const std::string& program, double dl = 1) { start(program, withDl(dl)); }
    // Runs the program to its end on the machine as it stands.
    void start(const std::string& program, const interp::Parameters& p = withDl(1)) {
        machine.addTickListener(this);
        stepTicks = machine.interpolator().stepTicks;
        machine.run(program, p);
        started = now();
        points = panel.points.size(), bits = panel.bits.size();
        finish(machine);
    }
    void ticked(interp::TimerId id) override {
        const int timer = static_cast<int>(id);
        const std::uint64_t steps = machine.interpolator().stepTicks;
        Tick t{timer, now(), points, bits, steps != stepTicks};
        points = t.after.points, bits = t.after.bits, stepTicks = steps;
        if (timer == 1 && !t.after.timer1 && t.after.timer2) {
            segments.push_back({t.after.txtline, t.after.s, {}});
        } else if (timer == 2 && !segments.empty()) {
            segments.back().ticks.push_back(t);
        }
        ticks.push_back(std::move(t));
    }
    // The n-th motion handed to the interpolator, counted from 1.
    const SegmentRun& segment(std::size_t n) const { return segments.at(n - 1); }
};

}  // namespace tarvo::test
