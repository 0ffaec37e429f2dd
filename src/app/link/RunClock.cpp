#include "app/link/RunClock.h"

#include <algorithm>

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

void RunClock::setPace(interp::Pace pace) {
    pace_ = pace;
    // Unlimited, the clock goes on as soon as the window has had its turn,
    // not a millisecond after it.
    timer_.setInterval(pace_.unlimited() ? 0 : 1);
    restartReckoning();
}

void RunClock::restartReckoning() {
    elapsed_.start();
    reckoning_.restart();
}

void RunClock::tick() {
    const qint64 due = reckoning_.due(elapsed_.elapsed(), pace_);
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
        reckoning_.made(made);
        advanced_ += made;
        due -= made;
        if (made < chunk || work.elapsed() >= workBudget) break;
    }
}

}  // namespace tarvo::app
