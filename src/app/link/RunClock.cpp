#include "app/link/RunClock.h"

#include <algorithm>
#include <limits>

#include "interp/ClockDriver.h"
#include "interp/Machine.h"

namespace tarvo::app {

namespace {
// Ticks advanced between two looks at the work budget.
constexpr qint64 chunkTicks = 32;
}  // namespace

RunClock::RunClock(interp::Machine& machine, Batch batch, QObject* parent)
    : QObject(parent), machine_(machine), batch_(std::move(batch)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &RunClock::tick);
}

void RunClock::sync() {
    if (machine_.advancing() == timer_.isActive()) return;
    if (machine_.advancing()) {
        restartReckoning();
        timer_.start();
    } else {
        timer_.stop();
        emit stopped();
    }
}

void RunClock::setPace(Pace pace) {
    pace_ = pace;
    // Unlimited, the clock goes on as soon as the window has had its turn,
    // not a millisecond after it.
    timer_.setInterval(pace_.unlimited() ? 0 : 1);
    restartReckoning();
}

void RunClock::restartReckoning() {
    elapsed_.start();
    done_ = 0;
}

qint64 RunClock::dueTicks() {
    if (pace_.unlimited()) return std::numeric_limits<qint64>::max();
    qint64 due = elapsed_.elapsed() * pace_.ticks / pace_.milliseconds - done_;
    const qint64 burst = std::max<qint64>(1, maxBurst * pace_.ticks / pace_.milliseconds);
    if (due > burst) {
        // Behind by more than a burst: let the excess go rather than rush.
        done_ += due - burst;
        due = burst;
    }
    return due;
}

void RunClock::tick() {
    const qint64 due = dueTicks();
    if (due <= 0) return;
    batch_([this, due] { advance(due); });
    sync();
}

// At most a work budget's worth: whatever is left stays due for the next event.
void RunClock::advance(qint64 due) {
    QElapsedTimer work;
    work.start();
    interp::ClockDriver driver(machine_);
    while (due > 0 && machine_.advancing()) {
        const qint64 chunk = std::min(due, chunkTicks);
        const auto made = static_cast<qint64>(driver.catchUp(static_cast<std::uint64_t>(chunk)));
        done_ += made;
        advanced_ += made;
        due -= made;
        if (made < chunk || work.elapsed() >= workBudget) break;
    }
}

}  // namespace tarvo::app
