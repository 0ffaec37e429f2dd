#pragma once

#include <cstdint>
#include <string>

#include "interp/ClockDriver.h"
#include "interp/Machine.h"

namespace tarvo::test {

// The program the editor holds when the simulator starts.
inline const std::string sampleProgram =
    "%\r\nG90G00X10Y10\r\nG01X30F200\r\nG03X40Y20I0J10\r\nG02X30Y30I0J10\r\n"
    "G01X10Y20\r\nY10\r\nG00X-10Y-10\r\n%\r\n";

inline interp::Parameters withDl(double dl) {
    interp::Parameters p;
    p.dl = dl;
    return p;
}

// Presses Run and advances until the run stops (or the tick limit).
inline void runToEnd(interp::Machine& m, const std::string& program, interp::Parameters p = {},
                     std::uint64_t maxTicks = 10'000'000) {
    m.run(program, p);
    interp::ClockDriver(m).runToEnd(maxTicks);
}

// The ticks of both timers the machine has made.
inline std::uint64_t ticksOf(const interp::Machine& m) {
    return m.timer1Ticks() + m.timer2Ticks();
}

}  // namespace tarvo::test
