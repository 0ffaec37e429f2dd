#pragma once

#include <cstdint>

namespace tarvo::motion {

// How an interpolation iteration decides which axis to feed.
enum class Method : std::int8_t {
    Integration,  // digital integration: straight moves
    Comparison,   // point-by-point comparison: arcs
};

// Which methods a run interpolates with. The machine's own pairing is the
// default; the other two step every figure in the XY plane by one textbook
// method in whole pulses, for comparing the methods on the same program.
enum class Interpolation : std::int8_t {
    Machine,      // digital integration for lines, comparison for arcs
    Comparison,   // 逐点比较法: comparison for lines, arcs as the machine does them
    Integration,  // 数字积分法: the textbook's DDA for lines and arcs
};

// The run's choice, taken at Run like the pulse equivalent.
struct MethodChoice {
    Interpolation interpolation = Interpolation::Machine;
    bool halfLoad = false;  // 半加载: DDA registers start half full
    int bits = 0;           // 寄存器位数 N of the DDA: 0 automatic, else 1 … 32

    friend bool operator==(const MethodChoice&, const MethodChoice&) = default;
};

}  // namespace tarvo::motion
