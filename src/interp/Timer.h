#pragma once

#include <cstdint>

namespace tarvo::interp {

// A timer of the main window as the run logic sees it: enabled or not, and an
// interval in milliseconds, 1 while running and 0 while paused.
struct Timer {
    bool enabled = false;
    int interval = 1;

    bool ticks() const { return enabled && interval != 0; }
};

// The machine's two timers: Timer1 drives the interpreter, Timer2 the
// interpolation. The numbers are the ones the trace writes.
enum class TimerId { Interpreter = 1, Interpolation = 2 };

// Told after every timer tick, and when Run starts a fresh run (not when it
// resumes a paused one).
class TickListener {
public:
    virtual ~TickListener() = default;
    virtual void ticked(TimerId timer) = 0;
    virtual void runStarted() {}
    // A step back put the run back to just after its tick `runTicks` (ticks
    // since the run started), from where it is replayed: drop what came
    // after. False when the listener cannot; the run is then replayed from
    // its start, after runStarted().
    virtual bool rewound(std::uint64_t /*runTicks*/) { return false; }
};

}  // namespace tarvo::interp
