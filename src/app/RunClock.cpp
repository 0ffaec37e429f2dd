#include "app/RunClock.h"

#include "interp/ClockDriver.h"
#include "interp/Machine.h"

namespace tarvo::app {

RunClock::RunClock(interp::Machine& machine, std::function<void()> afterTicks, QObject* parent)
    : QObject(parent), machine_(machine), afterTicks_(std::move(afterTicks)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(1);
    connect(&timer_, &QTimer::timeout, this, &RunClock::tick);
}

void RunClock::sync() {
    if (machine_.advancing() == timer_.isActive()) return;
    if (machine_.advancing()) {
        elapsed_.start();
        done_ = 0;
        timer_.start();
    } else {
        timer_.stop();
    }
}

void RunClock::tick() {
    qint64 due = elapsed_.elapsed() - done_;
    if (due > maxBurst) {
        // Behind by more than a burst: let the excess go rather than rush.
        done_ += due - maxBurst;
        due = maxBurst;
    }
    if (due <= 0) return;
    done_ += due;
    advanced_ += static_cast<qint64>(interp::ClockDriver(machine_).catchUp(static_cast<std::uint64_t>(due)));
    afterTicks_();
    sync();
}

}  // namespace tarvo::app
