#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "app/panels/Pace.h"

namespace tarvo::interp {
class Machine;
}

namespace tarvo::app {

// Drives the machine's clock from a precise 1 ms timer at the chosen pace, or,
// unlimited, every time the window has had its turn.
// The ticks due are reckoned from a monotonic clock, so a slow pace keeps
// time over a long run and a timer event that comes late advances every tick
// that is due, but never more than a short burst, so a stall of the window
// does not turn into a rush of pulses. However many ticks are due, one event
// does at most a frame's worth of work, so the window keeps painting and
// taking input. Runs only while the machine advances.
class RunClock : public QObject {
    Q_OBJECT

public:
    // The ticks of each timer event are run through `batch`, which lets the
    // window show what they did once, when they are over.
    using Batch = std::function<void(const std::function<void()>& ticks)>;

    RunClock(interp::Machine& machine, Batch batch, QObject* parent = nullptr);

    // After any command: start the timer when a run advances, else stop it.
    void sync();

    // Takes effect at once; a run under way goes on at the new pace.
    void setPace(Pace pace);
    Pace pace() const { return pace_; }

    // Virtual milliseconds advanced since the clock was made.
    qint64 advanced() const { return advanced_; }

    static constexpr qint64 maxBurst = 50;   // wall milliseconds caught up at once
    static constexpr qint64 workBudget = 8;  // milliseconds of machine work per timer event

signals:
    // The machine stopped advancing: a command held or stopped it, or its
    // run ended or met an error during the ticks of a timer event.
    void stopped();

private:
    void tick();
    void advance(qint64 due);
    qint64 dueTicks();
    void restartReckoning();

    interp::Machine& machine_;
    Batch batch_;
    QTimer timer_;
    QElapsedTimer elapsed_;
    Pace pace_ = standardPace;
    qint64 done_ = 0;  // ticks due and dealt with since elapsed_ started
    qint64 advanced_ = 0;
};

}  // namespace tarvo::app
