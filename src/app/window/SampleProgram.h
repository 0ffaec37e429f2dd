#pragma once

namespace tarvo::app {

// The program the editor holds when the simulator starts.
inline constexpr const char* sampleProgram =
    "%\r\nG90G00X10Y10\r\nG01X30F200\r\nG03X40Y20I0J10\r\nG02X30Y30I0J10\r\n"
    "G01X10Y20\r\nY10\r\nG00X-10Y-10\r\n%\r\n";

}  // namespace tarvo::app
