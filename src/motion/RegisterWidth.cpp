#include "motion/RegisterWidth.h"

#include <algorithm>
#include <stdexcept>

namespace tarvo::motion {

int registerBits(std::int64_t largest, int chosen) {
    if (chosen < 0 || chosen > widestRegister) {
        throw std::invalid_argument("寄存器位数须为 1 到 32 位");
    }
    int bits = 1;
    while ((std::int64_t{1} << bits) <= largest) ++bits;
    return std::max(bits, chosen);
}

}  // namespace tarvo::motion
