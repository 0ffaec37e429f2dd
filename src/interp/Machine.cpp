#include "interp/Machine.h"

#include <stdexcept>
#include <string>

#include "interp/Messages.h"
#include "interp/Panel.h"

namespace tarvo::interp {

Machine::Machine(Panel& panel, views::ViewCanvases canvases, bool watched, std::size_t cutBudget)
    : panel_(panel),
      outdata_(panel),
      path_(cutBudget),
      views_(canvases),
      engine_(outdata_, path_, panel, watched ? &views_.pathDrawing() : nullptr) {}

void Machine::run(std::string_view filetxt, const Parameters& parameters) {
    if (paused_) {
        // Resume: whichever timer was running goes on where it stopped.
        release();
        return;
    }
    if (filetxt.empty()) {
        panel_.message(words::say(messages::loadProgram), words::say(messages::loadFailed));
        return;
    }
    if (const auto problem = parameterProblem(parameters)) {
        panel_.message(*problem, words::say(messages::parameterTitle));
        return;
    }
    origin_ = RunOrigin{std::string(filetxt), parameters, carried()};
    startRun(filetxt, parameters);
}

CarriedState Machine::carried() const {
    return {engine_.scalars(), segment_,     registers_,   timer1_,
            timer2_,           timer1Ticks_, timer2Ticks_, stepTickAt_};
}

void Machine::carry(const CarriedState& state) {
    engine_.restore(state.engine);
    segment_ = state.segment;
    registers_ = state.registers;
    timer1_ = state.timer1;
    timer2_ = state.timer2;
    timer1Ticks_ = state.timer1Ticks;
    timer2Ticks_ = state.timer2Ticks;
    stepTickAt_ = state.stepTickAt;
}

void Machine::startRun(std::string_view filetxt, const Parameters& parameters) {
    path_.reset();
    interp_.start(std::string(filetxt));
    // The tool goes back to X 0, Y 0, Z 60. The segment ends where it starts,
    // so a Timer2 still running from the previous run hands back at once.
    segment_.xs = segment_.xe = 0;
    segment_.ys = segment_.ye = 0;
    segment_.zs = segment_.ze = 60;
    segment_.ic = segment_.jc = 0;
    segment_.gmode = motion::Mode::Rapid;
    engine_.startRun();
    views_.pathDrawing().resetProjection();
    // The magnification is taken before the axes are drawn, so a changed
    // magnification shows in the very run that follows the change.
    takeParameters(parameters);
    panel_.viewOptionSelected(views::View::Plan);
    views_.show(views::View::Plan);
    views_.drawxyz(bei_);
    panel_.originShown(parameters.g54x.value.toDouble(), parameters.g54y.value.toDouble(),
                       parameters.g54z.value.toDouble());
    outdata_.reset();
    switches_ = {};
    panel_.spindleShown(false);
    panel_.coolantShown(false);
    markLine(0);
    showExecuting(-1);
    timer1_.enabled = true;
    snapshots_.clear();
    interval_ = firstInterval_;
    nextSnapshotAt_ = snapshotsKept_ ? ticks() + interval_ : UINT64_MAX;
    for (TickListener* listener : listeners_) listener->runStarted();
}

void Machine::takeParameters(const Parameters& parameters) {
    if (parameterProblem(parameters)) return;
    bei_ = parameters.bei;
    dlstep_ = parameters.dl.value * 10;
    method_ = parameters.method;
}

void Machine::stepPaused(StepUnit unit) {
    if (!paused_) return;
    const std::uint64_t steps = engine_.stepTicks;
    lineDone_ = false;
    const auto reached = [&] {
        switch (unit) {
            case StepUnit::Tick:
                return true;
            case StepUnit::Step:
                return engine_.stepTicks != steps;
            case StepUnit::Line:
                return lineDone_;
        }
        return true;
    };
    release();
    do advance();
    while (advancing() && !reached());
    pause();  // a run that ended on the way is not held: the next Run starts afresh
}

void Machine::step(StepUnit unit, std::string_view filetxt, const Parameters& parameters) {
    if (idle()) {
        run(filetxt, parameters);
        pause();
    }
    stepPaused(unit);
}

void Machine::release() {
    timer1_.interval = timer2_.interval = 1;
    paused_ = false;
}

void Machine::moveCaret(std::int64_t index) {
    marks_.caret = index;
    panel_.caretMoved(index);
}

void Machine::markLine(std::int64_t line) {
    marks_.line = line;
    panel_.currentLineMarked(line);
}

void Machine::showExecuting(std::int64_t line) {
    marks_.executing = line;
    panel_.executingLineShown(line);
}

void Machine::panmode() {
    views_.show(views::View::Magnified);
    views_.magnified().setMode(views::DragMode::Pan, path_, dlstep_.toDouble(), bei_);
}

void Machine::rotmode() {
    views_.show(views::View::Magnified);
    views_.magnified().setMode(views::DragMode::Rotate, path_, dlstep_.toDouble(), bei_);
}

void Machine::dragOff() {
    views_.magnified().setMode(views::DragMode::None, path_, dlstep_.toDouble(), bei_);
}

void Machine::pointerMoved(views::Buttons buttons, float x, float y) {
    views_.magnified().pointerMoved(path_, buttons, x, y, bei_);
}

void Machine::drawnew() {
    views_.magnified().drawnew(path_, bei_);
}

// Holding a machine that is idle or already held would leave nothing to
// resume, and the next Run would do nothing.
void Machine::pause() {
    if (!advancing()) return;
    timer2_.interval = 0;
    timer1_.interval = 0;
    paused_ = true;
}

void Machine::stop() {
    release();
    timer1_.enabled = false;
    timer2_.enabled = false;
    origin_.reset();
    snapshots_.clear();
    nextSnapshotAt_ = UINT64_MAX;
    markLine(0);
    showExecuting(-1);
    moveCaret(0);
}

void Machine::millisecond() {
    // A timer switched on during the other's tick fires one interval later,
    // so only one of them ticks in a millisecond, except right after a Run
    // during a run, when both were on at its start.
    const bool timer2Due = timer2_.ticks();
    // Snapshots are looked for after interpreter ticks and step ticks only,
    // which keeps the reset ticks, half of a motion's, as light as they were.
    bool snapshotDue = false;
    if (timer1_.ticks()) {
        timer1Tick();
        ++timer1Ticks_;
        tellListeners(TimerId::Interpreter);
        snapshotDue = true;
    }
    if (timer2Due && timer2_.ticks()) {
        const std::uint64_t steps = engine_.stepTicks;
        timer2Tick();
        ++timer2Ticks_;
        if (engine_.stepTicks != steps) {
            stepTickAt_ = timer1Ticks_ + timer2Ticks_;
            snapshotDue = true;
        }
        tellListeners(TimerId::Interpolation);
    }
    if (snapshotDue && ticks() >= nextSnapshotAt_) [[unlikely]]
        takeSnapshot();
}

void Machine::advance() {
    millisecond();
}

// One loop in the machine's own file, the millisecond laid into it instead
// of called for each: the runner spends most of its time here.
std::uint64_t Machine::advanceMany(std::uint64_t milliseconds, std::uint64_t tickLimit) {
    std::uint64_t advanced = 0;
    for (; advanced < milliseconds && advancing() && ticks() < tickLimit; ++advanced) {
        millisecond();
    }
    return advanced;
}

void Machine::tellListeners(TimerId timer) {
    for (TickListener* listener : listeners_) listener->ticked(timer);
}

void Machine::timer1Tick() {
    switch (interp_.tick(segment_)) {
        case Interpreter::Outcome::Word:
            break;
        case Interpreter::Outcome::LineEnd:
            // Point the editor at the line feed just read and the marker at
            // its line, then hand the line's motion over.
            moveCaret(interp_.txtpos - 1);
            markLine(interp_.txtline - 1);
            showExecuting(interp_.txtline - 1);
            timer1_.enabled = false;
            handOver();
            break;
        case Interpreter::Outcome::EndOfText:
            timer1_.enabled = false;
            showExecuting(-1);
            break;
        case Interpreter::Outcome::Error:
            report(interp_.txtline + 1, interp_.error());
            break;
    }
}

void Machine::handOver() {
    segment_.line = interp_.txtline;
    if (degorder(interp_.gcode, segment_, registers_)) {
        try {
            engine_.startSegment(segment_, dlstep_, method_);
        } catch (const std::invalid_argument& refused) {
            // txtline already counts the line whose motion this is.
            report(interp_.txtline, refused.what());
            return;
        }
        if (segment_.fullCircle() && interp_.lineWrotePlaneWords()) {
            warn(interp_.txtline, words::say(messages::fullCircle));
        }
        timer2_.enabled = true;
    } else {
        timer2_.enabled = false;
        timer1_.enabled = true;
        lineDone_ = true;
    }
}

void Machine::timer2Tick() {
    switch (engine_.tick(segment_, registers_, dlstep_)) {
        case motion::SegmentState::Running:
            break;
        case motion::SegmentState::Ended:
            segmentEnded();
            break;
        case motion::SegmentState::Unreachable:
            // txtline already counts the line whose motion this is.
            report(interp_.txtline, words::say(messages::unreachable));
            break;
    }
}

void Machine::segmentEnded() {
    demorder(interp_.mcode, interp_.lcode, outdata_, switches_, panel_);
    timer2_.enabled = false;
    timer1_.enabled = true;
    lineDone_ = true;
}

// A warning leaves the run going: the panel marks the line, the observers
// list the segment the machine leaves out.
void Machine::warn(std::int64_t line, std::string_view message) {
    panel_.warningShown(line - 1, message);
    for (motion::StepObserver* observer : observers_) observer->skipped(segment_);
}

// A program error stops the run for good: both timers go off, so a segment
// still pending cannot hand control back to the interpreter.
void Machine::report(std::int64_t line, std::string_view message) {
    timer1_.enabled = false;
    timer2_.enabled = false;
    const std::string text = messages::errorLine(line, message);
    showExecuting(-1);
    panel_.programErrorShown(line - 1, text);
    panel_.message(text, words::say(messages::errorTitle));
}

}  // namespace tarvo::interp
