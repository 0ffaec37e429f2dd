#pragma once

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "interp/Machine.h"
#include "support/RecordingPanel.h"

namespace tarvo::interp::probe {

// Everything a run can change, taken at one moment, so that two machines (or
// one machine at two moments) can be compared whole, exactly: two runs fed
// the same ticks must agree to the bit.
struct Snapshot {
    std::int64_t txtpos = 0, txtline = 0;
    std::string gcode, mcode, lcode;
    double xs = 0, ys = 0, zs = 0, xe = 0, ye = 0, ze = 0, ic = 0, jc = 0, regmax = 0;
    motion::Mode gmode = motion::Mode::Rapid;
    double px = 0, py = 0, pz = 0, jrx = 0, jry = 0, fm = 0;
    std::int64_t jrz = 0;
    double xcur = 0, ycur = 0, zcur = 0;
    std::int16_t phase = 0;
    std::string outdata;
    bool timer1 = false, timer2 = false;
    std::uint64_t timer1Ticks = 0, timer2Ticks = 0;
    std::size_t points = 0, pathUpper = 0, wallUpper = 0;
    std::int64_t caret = 0, markedLine = 0;
    bool spindle = false, coolant = false;

    bool operator==(const Snapshot&) const = default;
};

inline void PrintTo(const Snapshot& s, std::ostream* os) {
    *os << "{txtpos " << s.txtpos << ", txtline " << s.txtline << ", gcode " << s.gcode
        << ", start (" << s.xs << ", " << s.ys << ", " << s.zs << "), end (" << s.xe << ", " << s.ye
        << ", " << s.ze << "), cur (" << s.xcur << ", " << s.ycur << ", " << s.zcur << "), outdata "
        << s.outdata << ", timers " << s.timer1 << s.timer2 << ", ticks " << s.timer1Ticks << "/"
        << s.timer2Ticks << ", points " << s.points << "}";
}

inline Snapshot snapshot(const Machine& m, const test::RecordingPanel& p) {
    Snapshot s;
    s.txtpos = m.interpreter().txtpos;
    s.txtline = m.interpreter().txtline;
    s.gcode = m.interpreter().gcode;
    s.mcode = m.interpreter().mcode;
    s.lcode = m.interpreter().lcode;
    const motion::Segment& g = m.segment();
    s.xs = g.xs, s.ys = g.ys, s.zs = g.zs, s.xe = g.xe, s.ye = g.ye, s.ze = g.ze;
    s.ic = g.ic, s.jc = g.jc, s.regmax = g.regmax, s.gmode = g.gmode;
    const motion::Registers& r = m.registers();
    s.px = r.px, s.py = r.py, s.pz = r.pz, s.jrx = r.jrx, s.jry = r.jry, s.jrz = r.jrz, s.fm = r.fm;
    s.xcur = m.interpolator().xcur;
    s.ycur = m.interpolator().ycur;
    s.zcur = m.interpolator().zcur;
    s.phase = m.interpolator().phase;
    s.outdata = m.outdata().texts();
    s.timer1 = m.timer1().enabled;
    s.timer2 = m.timer2().enabled;
    s.timer1Ticks = m.timer1Ticks();
    s.timer2Ticks = m.timer2Ticks();
    s.points = p.points.size();
    s.pathUpper = m.path().pathUpper();
    s.wallUpper = m.path().wallUpper();
    s.caret = p.caret;
    s.markedLine = p.markedLine;
    s.spindle = m.switches().zhukg;
    s.coolant = m.switches().lengkg;
    return s;
}

// Takes a snapshot after every timer tick, whichever timer it was, so a test
// can follow the run tick by tick even when one millisecond holds two ticks.
class TickLog : public TickListener {
public:
    struct Entry {
        int timer;
        Snapshot after;
    };

    TickLog(Machine& m, const test::RecordingPanel& p) : m_(m), p_(p) { m.setTickListener(this); }
    ~TickLog() override { m_.setTickListener(nullptr); }
    TickLog(const TickLog&) = delete;
    TickLog& operator=(const TickLog&) = delete;

    void ticked(int timer) override { entries.push_back({timer, snapshot(m_, p_)}); }

    // The snapshots after the ticks of one timer only, in order.
    std::vector<Snapshot> of(int timer) const {
        std::vector<Snapshot> out;
        for (const Entry& e : entries) {
            if (e.timer == timer) out.push_back(e.after);
        }
        return out;
    }

    std::vector<Entry> entries;

private:
    Machine& m_;
    const test::RecordingPanel& p_;
};

// Advances until the machine stops ticking; fails the test past the limit.
inline void advanceToEnd(Machine& m, std::uint64_t maxAdvances = 1'000'000) {
    for (std::uint64_t i = 0; m.advancing(); ++i) {
        if (i == maxAdvances) {
            ADD_FAILURE() << "the run did not end within " << maxAdvances << " ms";
            return;
        }
        m.advance();
    }
}

}  // namespace tarvo::interp::probe
