#include "Workloads.h"

namespace tarvo::bench {

std::string pocketProgram(int passes) {
    std::string text = "%\r\nG90G00X0Y0Z1\r\nM03M08\r\nG01Z-2\r\n";
    const int width = 80;
    for (int i = 0; i < passes; ++i) {
        const int y = 2 * i;
        const bool rightwards = i % 2 == 0;
        text += "G01X" + std::to_string(rightwards ? width : 0) + "\r\n";
        if (i + 1 == passes) break;
        // A half circle of radius 1 up to the next pass, turning outwards.
        text += rightwards
                    ? "G03X" + std::to_string(width) + "Y" + std::to_string(y + 2) + "I0J1\r\n"
                    : "G02X0Y" + std::to_string(y + 2) + "I0J1\r\n";
    }
    text += "G00Z60\r\nM05M09\r\n%\r\n";
    return text;
}

}  // namespace tarvo::bench
