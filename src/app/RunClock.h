#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

namespace tarvo::interp {
class Machine;
}

namespace tarvo::app {

// Drives the machine's clock from a precise 1 ms timer. A timer event that
// comes late advances every millisecond that is due, measured on a monotonic
// clock, but never more than a short burst, so a stall of the window does not
// turn into a rush of pulses. Runs only while the machine advances.
class RunClock : public QObject {
    Q_OBJECT

public:
    RunClock(interp::Machine& machine, std::function<void()> afterTicks, QObject* parent = nullptr);

    // After any command: start the timer when a run advances, else stop it.
    void sync();

    // Virtual milliseconds advanced since the clock was made.
    qint64 advanced() const { return advanced_; }

    static constexpr qint64 maxBurst = 50;  // milliseconds caught up at once

private:
    void tick();

    interp::Machine& machine_;
    std::function<void()> afterTicks_;
    QTimer timer_;
    QElapsedTimer elapsed_;
    qint64 done_ = 0;  // milliseconds due and dealt with since elapsed_ started
    qint64 advanced_ = 0;
};

}  // namespace tarvo::app
