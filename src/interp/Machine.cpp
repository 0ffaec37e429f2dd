#include "interp/Machine.h"

#include <stdexcept>
#include <string>

#include "interp/Messages.h"
#include "interp/Panel.h"

namespace tarvo::interp {

Machine::Machine(Panel& panel, views::ViewCanvases canvases, bool watched)
    : panel_(panel),
      outdata_(panel),
      views_(canvases),
      engine_(outdata_, path_, panel, watched ? &views_.pathDrawing() : nullptr) {}

void Machine::run(std::string_view filetxt, const Parameters& parameters) {
    if (paused_) {
        // Resume: whichever timer was running goes on where it stopped.
        release();
        return;
    }
    if (filetxt.empty()) {
        panel_.message(messages::loadProgram, messages::loadFailed);
        return;
    }
    if (const auto problem = parameterProblem(parameters)) {
        panel_.message(*problem, messages::parameterTitle);
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
    panel_.currentLineMarked(0);
    panel_.executingLineShown(-1);
    timer1_.enabled = true;
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

// What Run does not reset goes back to what the run started from before it
// starts again. The replay redraws the views as it goes.
void Machine::replayTo(std::uint64_t steps) {
    const views::View shown = views_.shown();
    const RunOrigin& o = *origin_;
    carry(o.carried);
    release();
    startRun(o.program, o.parameters);
    while (advancing() && runSteps() < steps) advance();
    pause();
    // The view being watched stays on screen.
    if (shown == views::View::Plan) return;
    views_.show(shown);
    if (shown == views::View::Axonometric) panel_.viewOptionSelected(shown);
    if (shown == views::View::Magnified) drawnew();
}

void Machine::panmode() {
    views_.show(views::View::Magnified);
    views_.magnified().setMode(views::DragMode::Pan, path_, dlstep_.toDouble(), bei_);
}

void Machine::rotmode() {
    views_.show(views::View::Magnified);
    views_.magnified().setMode(views::DragMode::Rotate, path_, dlstep_.toDouble(), bei_);
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
    panel_.currentLineMarked(0);
    panel_.executingLineShown(-1);
    panel_.caretMoved(0);
}

void Machine::advance() {
    // A timer switched on during the other's tick fires one interval later,
    // so only one of them ticks in a millisecond, except right after a Run
    // during a run, when both were on at its start.
    const bool timer2Due = timer2_.ticks();
    if (timer1_.ticks()) {
        timer1Tick();
        ++timer1Ticks_;
        tellListeners(TimerId::Interpreter);
    }
    if (timer2Due && timer2_.ticks()) {
        const std::uint64_t steps = engine_.stepTicks;
        timer2Tick();
        ++timer2Ticks_;
        if (engine_.stepTicks != steps) stepTickAt_ = timer1Ticks_ + timer2Ticks_;
        tellListeners(TimerId::Interpolation);
    }
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
            panel_.caretMoved(interp_.txtpos - 1);
            panel_.currentLineMarked(interp_.txtline - 1);
            panel_.executingLineShown(interp_.txtline - 1);
            timer1_.enabled = false;
            handOver();
            break;
        case Interpreter::Outcome::EndOfText:
            timer1_.enabled = false;
            panel_.executingLineShown(-1);
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
            demorder(interp_.mcode, interp_.lcode, outdata_, switches_, panel_);
            timer2_.enabled = false;
            timer1_.enabled = true;
            lineDone_ = true;
            break;
        case motion::SegmentState::Unreachable:
            // txtline already counts the line whose motion this is.
            report(interp_.txtline, messages::unreachable);
            break;
    }
}

// A program error stops the run for good: both timers go off, so a segment
// still pending cannot hand control back to the interpreter.
void Machine::report(std::int64_t line, std::string_view message) {
    timer1_.enabled = false;
    timer2_.enabled = false;
    const std::string text = "第" + std::to_string(line) + "行有错" + std::string(message);
    panel_.executingLineShown(-1);
    panel_.programErrorShown(line - 1, text);
    panel_.message(text, messages::errorTitle);
}

}  // namespace tarvo::interp
