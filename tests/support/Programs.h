#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

#include "interp/ClockDriver.h"
#include "interp/Machine.h"
#include "motion/exact/DecimalReading.h"

namespace tarvo::test {

// The program the editor holds when the simulator starts.
inline const std::string sampleProgram =
    "%\r\nG90G00X10Y10\r\nG01X30F200\r\nG03X40Y20I0J10\r\nG02X30Y30I0J10\r\n"
    "G01X10Y20\r\nY10\r\nG00X-10Y-10\r\n%\r\n";

// The decimal a table's number literal spells: the shortest text of the
// double it became, read exactly ("0.01" for 0.01, never 0.01000000000000000021);
// infinities and NaN read as no number.
inline motion::DecimalReading readingOf(double written) {
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, written).ptr;
    return motion::readDecimal(std::string_view(text, static_cast<std::size_t>(end - text)));
}
inline motion::Decimal decimalOf(double written) {
    return readingOf(written).value;
}

// Exact values as the doubles a table's numbers read as.
inline double dbl(motion::Decimal v) {
    return v.toDouble();
}
inline double dbl(motion::Squared v) {
    return static_cast<double>(v.units()) / static_cast<double>(motion::Squared::one);
}

inline interp::Parameters withDl(double dl) {
    interp::Parameters p;
    p.dl = decimalOf(dl);
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
