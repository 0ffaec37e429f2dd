// Going back: the machine's snapshots of a run and the replay from the
// latest one before the step that is gone back to.
#include "interp/Machine.h"

#include <iterator>

#include "interp/Panel.h"

namespace tarvo::interp {

std::uint64_t Machine::runSteps() const {
    return origin_ ? engine_.stepTicks - origin_->carried.engine.stepTicks : 0;
}

// A run that has ended, at its end of text or at an error, goes back too;
// only Stop forgets where the run started.
bool Machine::canStepBack() const {
    return (paused_ || idle()) && origin_ &&
           timer1Ticks_ + timer2Ticks_ !=
               origin_->carried.timer1Ticks + origin_->carried.timer2Ticks;
}

void Machine::stepBack() {
    if (!canStepBack()) return;
    const std::uint64_t steps = runSteps();
    const bool justStepped = steps > 0 && stepTickAt_ == timer1Ticks_ + timer2Ticks_;
    replayTo(justStepped ? steps - 1 : steps);
}

// From the latest snapshot that can be gone back to, else from the start:
// what Run does not reset goes back to what the run started from before it
// starts again. The replay redraws the views as it goes.
void Machine::replayTo(std::uint64_t steps) {
    const views::View shown = views_.shown();
    if (!backToSnapshot(steps)) {
        const RunOrigin& o = *origin_;
        carry(o.carried);
        release();
        startRun(o.program, o.parameters);
    }
    while (advancing() && runSteps() < steps) advance();
    pause();
    // The view being watched stays on screen.
    if (shown == views::View::Plan) return;
    views_.show(shown);
    if (shown == views::View::Axonometric) panel_.viewOptionSelected(shown);
    if (shown == views::View::Magnified) drawnew();
}

void Machine::takeSnapshot() {
    const views::ViewCanvases& c = views_.canvases();
    const views::PathDrawing& drawing = views_.pathDrawing();
    snapshots_.push_back({carried(),
                          interp_.txtpos,
                          interp_.txtline,
                          interp_.gcode,
                          interp_.mcode,
                          interp_.lcode,
                          outdata_.byte(),
                          switches_,
                          lineDone_,
                          marks_,
                          drawing.au,
                          drawing.av,
                          path_.mark(),
                          c.linez.mark(),
                          c.linep.mark(),
                          {}});
    for (const motion::StepObserver* observer : observers_) {
        snapshots_.back().observers.push_back(observer->mark());
    }
    if (snapshots_.size() == snapshotLimit) {
        // Every other one goes: those left lie about twice the interval apart.
        std::size_t kept = 0;
        for (std::size_t i = 1; i < snapshots_.size(); i += 2) {
            snapshots_[kept++] = std::move(snapshots_[i]);
        }
        snapshots_.resize(kept);
        interval_ *= 2;
    }
    nextSnapshotAt_ = ticks() + interval_;
}

// The latest snapshot before the step that is gone back to: replayed from
// there, the run makes that step's tick again and stops right after it.
bool Machine::backToSnapshot(std::uint64_t steps) {
    const std::uint64_t firstStep = origin_->carried.engine.stepTicks;
    auto later = snapshots_.end();
    while (later != snapshots_.begin() &&
           std::prev(later)->carried.engine.stepTicks - firstStep >= steps) {
        --later;
    }
    if (later == snapshots_.begin() || !rewind(*std::prev(later))) return false;
    restore(*std::prev(later));
    snapshots_.erase(later, snapshots_.end());
    nextSnapshotAt_ = ticks() + interval_;
    return true;
}

// Every record that only grows drops what came after the snapshot, or the
// run goes back to its start, which starts every record afresh.
bool Machine::rewind(const Snapshot& s) {
    const std::uint64_t runTicks = s.carried.timer1Ticks + s.carried.timer2Ticks -
                                   origin_->carried.timer1Ticks - origin_->carried.timer2Ticks;
    const views::ViewCanvases& c = views_.canvases();
    bool rewound = path_.rewind(s.path) && c.linez.rewind(s.linez) && c.linep.rewind(s.linep);
    for (TickListener* listener : listeners_) rewound = rewound && listener->rewound(runTicks);
    // An observer added since the snapshot has no mark there.
    for (std::size_t i = 0; i < observers_.size(); ++i) {
        rewound = rewound && i < s.observers.size() && observers_[i]->rewind(s.observers[i].get());
    }
    return rewound;
}

// The panel is told again what it showed then.
void Machine::restore(const Snapshot& s) {
    carry(s.carried);
    release();
    interp_.txtpos = s.txtpos;
    interp_.txtline = s.txtline;
    interp_.gcode = s.gcode;
    interp_.mcode = s.mcode;
    interp_.lcode = s.lcode;
    outdata_.restore(s.outdata);
    switches_ = s.switches;
    lineDone_ = s.lineDone;
    views_.pathDrawing().au = s.au;
    views_.pathDrawing().av = s.av;
    panel_.spindleShown(switches_.zhukg);
    panel_.coolantShown(switches_.lengkg);
    if (panel_.showsMotion()) {
        const auto millimetres = [](motion::Decimal tenths) {
            return static_cast<double>(tenths.units()) / (10.0 * motion::Decimal::one);
        };
        panel_.pointShown(millimetres(engine_.xcur), millimetres(engine_.ycur),
                          millimetres(engine_.zcur));
    }
    moveCaret(s.marks.caret);
    markLine(s.marks.line);
    showExecuting(s.marks.executing);
}

}  // namespace tarvo::interp
