#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "interp/Dispatch.h"
#include "interp/Interpreter.h"
#include "interp/Parameters.h"
#include "interp/RunOrigin.h"
#include "interp/Snapshot.h"
#include "interp/Timer.h"
#include "motion/Interpolator.h"
#include "motion/OutputByte.h"
#include "motion/Segment.h"
#include "motion/StoredPath.h"
#include "views/Canvas.h"
#include "views/Views.h"

namespace tarvo::interp {

class Panel;

// The whole simulated controller: interpreter, segment, registers, output
// byte and stored path, driven by two timers. It is the one place that knows
// how the interpreter and the interpolator hand control to each other.
class Machine {
public:
    // The cut below the surface is recorded in at most `cutBudget` bytes
    // (StoredPath): a shell with less memory to spare passes less, and the
    // cut is thinned sooner, the same way.
    Machine(Panel& panel, views::ViewCanvases canvases,
            std::size_t cutBudget = motion::StoredPath::defaultBudget)
        : Machine(panel, canvases, true, cutBudget) {}
    // A machine whose views nobody watches: its steps are drawn nowhere.
    explicit Machine(Panel& panel, std::size_t cutBudget = motion::StoredPath::defaultBudget)
        : Machine(panel, {blind_, blind_, blind_}, false, cutBudget) {}
    Machine(const Machine&) = delete;
    Machine& operator=(const Machine&) = delete;

    // The three run commands. Run resumes a paused run; otherwise it starts
    // afresh from the editor text (refused when empty or when the parameters
    // cannot drive a run). Pause holds a run that advances and does nothing
    // otherwise. Stop ends the run, paused or not.
    void run(std::string_view filetxt, const Parameters& parameters);
    void pause();
    void stop();

    // While paused, lets the clock run just far enough for one timer tick,
    // one interpolation step, or the end of the current line's motion; the
    // run stays paused unless that was its end. Lands exactly where an
    // uninterrupted run would be.
    enum class StepUnit { Tick, Step, Line };
    void stepPaused(StepUnit unit);
    // The step commands: on an idle machine they start afresh as Run does
    // (refused alike; the text and parameters serve only then) and hold the
    // run after its first unit; while paused they step; while a run
    // advances they do nothing.
    void step(StepUnit unit, std::string_view filetxt, const Parameters& parameters);

    // While paused or ended, goes back to just after the latest interpolation step
    // before this moment, or to the start of the run when it has made none.
    // The run is replayed from the latest snapshot before that moment, or
    // from its start with its own program and parameters when the records
    // cannot go back to a snapshot, so it lands exactly where it was then;
    // it stays paused. Stop ends a run for good: there is no going back into it.
    void stepBack();
    bool canStepBack() const;
    // Step ticks made since the run under way (or the last one) started.
    std::uint64_t runSteps() const;

    // The window's load step: the magnification and the step length the
    // magnified view uses until the first run (ignored when they are not valid).
    void takeParameters(const Parameters& parameters);

    // One virtual millisecond: Timer1 ticks if it is enabled with a non-zero
    // interval, then Timer2 likewise if it already was at the start of the
    // millisecond. The only way time passes.
    void advance();
    // advance() again and again for a shell that runs many milliseconds at
    // once: while a timer ticks, for at most `milliseconds`, and only while
    // the machine has made fewer than `tickLimit` timer ticks since it was
    // made. Returns the milliseconds advanced.
    std::uint64_t advanceMany(std::uint64_t milliseconds, std::uint64_t tickLimit);

    // Neither timer enabled: nothing will happen until the next command.
    bool idle() const { return !timer1_.enabled && !timer2_.enabled; }
    // A timer will tick at the next advance(): neither idle nor paused.
    bool advancing() const { return timer1_.ticks() || timer2_.ticks(); }
    // A run is held by Pause or a step; never while idle.
    bool paused() const { return paused_; }

    // Ticks of each timer since the machine was made.
    std::uint64_t timer1Ticks() const { return timer1Ticks_; }
    std::uint64_t timer2Ticks() const { return timer2Ticks_; }

    // A snapshot is taken at the first interpreter or step tick after every
    // interval ticks of a run. When snapshotLimit are kept, every other one
    // goes and the interval doubles: at most snapshotLimit snapshots of 864
    // bytes and the step observers' marks (about 250 bytes for a window's
    // records), under 280 KiB whatever the length of the run. Replaying
    // the first interval, 65,536 ticks, takes a few milliseconds.
    static constexpr std::size_t snapshotLimit = 256;
    static constexpr std::uint64_t snapshotInterval = 65536;
    // For tests: the first interval of the next runs, at least 1.
    void setSnapshotInterval(std::uint64_t ticks) { firstInterval_ = ticks; }
    // For a machine nobody steps back in, as the runner's: from the next run
    // on it takes no snapshots, so nothing marks the views' drawings or the
    // records either, and a step back replays the run from its start.
    void keepNoSnapshots() { snapshotsKept_ = false; }

    // Listeners told after every timer tick, and observers told of every
    // interpolation iteration; each stays until removed.
    void addTickListener(TickListener* listener) { listeners_.push_back(listener); }
    void removeTickListener(TickListener* listener) { std::erase(listeners_, listener); }
    void addStepObserver(motion::StepObserver* observer) {
        engine_.addStepObserver(observer);
        observers_.push_back(observer);
        snapshots_.clear();  // which have no mark of its record
    }
    void removeStepObserver(motion::StepObserver* observer) {
        engine_.removeStepObserver(observer);
        std::erase(observers_, observer);
        snapshots_.clear();
    }

    // The magnified view's drag modes and pointer, and its redraw. A drag
    // rewrites the stored path in place.
    void panmode();
    void rotmode();
    // Back to no drag mode, as before the first of the two: a drag moves
    // nothing and the pointer is an arrow. A shell that lends the view a mode
    // for a gesture of its own gives it back so.
    void dragOff();
    void pointerMoved(views::Buttons buttons, float x, float y);
    void drawnew();

    // Shows one of the three views, as the view options and the magnified
    // view's drag modes do.
    void show(views::View view) { views_.show(view); }
    const views::Views& views() const { return views_; }

    const Timer& timer1() const { return timer1_; }
    const Timer& timer2() const { return timer2_; }
    const Interpreter& interpreter() const { return interp_; }
    const motion::Segment& segment() const { return segment_; }
    const motion::Registers& registers() const { return registers_; }
    const motion::Interpolator& interpolator() const { return engine_; }
    const motion::OutputByte& outdata() const { return outdata_; }
    const motion::StoredPath& path() const { return path_; }
    // For a machine whose magnified view nobody looks at: from the next run
    // on the cut below the surface is counted, not kept (StoredPath::countOnly).
    void countCutOnly() { path_.countOnly(); }
    // For a machine whose magnified view is drawn only once a run has ended,
    // as the runner's: from the next run on the cut keeps only the step
    // points that view replays, however it is panned or turned then
    // (StoredPath::keepEvery). Nobody can step back in such a run.
    void keepReplayedCutOnly() { replayedCutOnly_ = true; }
    const Switches& switches() const { return switches_; }
    // The step length of the run: the pulse equivalent in internal units.
    motion::Decimal dlstep() const { return dlstep_; }
    // The methods of the run, taken at Run with the pulse equivalent.
    motion::MethodChoice method() const { return method_; }
    std::int16_t bei() const { return bei_; }

private:
    Machine(Panel& panel, views::ViewCanvases canvases, bool watched, std::size_t cutBudget);
    void startRun(std::string_view filetxt, const Parameters& parameters);
    void release();
    CarriedState carried() const;
    void carry(const CarriedState& state);
    void replayTo(std::uint64_t steps);
    std::uint64_t ticks() const { return timer1Ticks_ + timer2Ticks_; }
    void takeSnapshot();
    bool backToSnapshot(std::uint64_t steps);
    bool rewind(const Snapshot& s);
    void restore(const Snapshot& s);
    void moveCaret(std::int64_t index);
    void markLine(std::int64_t line);
    void showExecuting(std::int64_t line);
    // advance()'s work, laid into advanceMany()'s loop as well, with the
    // interpolation timer's tick.
    [[gnu::always_inline]] inline void millisecond();
    void timer1Tick();
    [[gnu::always_inline]] inline void timer2Tick();
    // Once a segment: kept out of the tick's way.
    [[gnu::cold]] void segmentEnded();
    void handOver();
    void report(std::int64_t line, std::string_view message);
    void warn(std::int64_t line, std::string_view message);
    void tellListeners(TimerId timer);

    views::BlindCanvas blind_;
    Panel& panel_;
    Timer timer1_, timer2_;
    bool paused_ = false;
    Interpreter interp_;
    motion::Segment segment_;
    motion::Registers registers_;
    motion::OutputByte outdata_;
    motion::StoredPath path_;
    views::Views views_;
    motion::Interpolator engine_;
    Switches switches_;
    motion::Decimal dlstep_ = 10;
    std::int16_t bei_ = 1;
    motion::MethodChoice method_;
    std::vector<TickListener*> listeners_;
    std::uint64_t timer1Ticks_ = 0, timer2Ticks_ = 0;
    bool lineDone_ = false;            // the current line's motion has ended
    std::uint64_t stepTickAt_ = 0;     // timer ticks made when the latest step tick was over
    std::optional<RunOrigin> origin_;  // of the run under way; none after Stop
    std::vector<motion::StepObserver*> observers_;
    LineMarks marks_;
    std::vector<Snapshot> snapshots_;  // of the run under way, oldest first
    std::uint64_t firstInterval_ = snapshotInterval, interval_ = snapshotInterval;
    bool snapshotsKept_ = true;
    bool replayedCutOnly_ = false;
    // In timer ticks since the machine was made; never while no run can be gone back into.
    std::uint64_t nextSnapshotAt_ = UINT64_MAX;
};

}  // namespace tarvo::interp
