#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

#include "interp/Pace.h"
#include "interp/PaceReckoning.h"

namespace tarvo::interp {
class Machine;
}

namespace tarvo::app {

// Drives the machine's clock from a precise 1 ms timer at the chosen pace, or,
// unlimited, every time the window has had its turn.
// The ticks due are reckoned (interp::PaceReckoning) from a monotonic clock.
// However many ticks are due, one event does at most a frame's worth of
// work, so the window keeps painting and taking input. Runs only while the machine advances.
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
    void setPace(interp::Pace pace);
    interp::Pace pace() const { return pace_; }

    // Virtual milliseconds advanced since the clock was made.
    qint64 advanced() const { return advanced_; }

    static constexpr qint64 workBudget = 8;  // milliseconds of machine work per timer event

signals:
    // The machine stopped advancing: a command held or stopped it, or its
    // run ended or met an error during the ticks of a timer event.
    void stopped();

private:
    void tick();
    void advance(qint64 due);
    void restartReckoning();

    interp::Machine& machine_;
    Batch batch_;
    QTimer timer_;
    QElapsedTimer elapsed_;
    interp::Pace pace_ = interp::standardPace;
    interp::PaceReckoning reckoning_;
    qint64 advanced_ = 0;
};

}  // namespace tarvo::app
