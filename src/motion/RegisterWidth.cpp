#include "motion/RegisterWidth.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "words/Catalogue.h"

namespace tarvo::motion {

int registerBits(std::int64_t largest, int chosen) {
    if (chosen < 0 || chosen > widestRegister) {
        throw std::invalid_argument(std::string(words::say("寄存器位数须为 1 到 32 位")));
    }
    int bits = 1;
    while ((std::int64_t{1} << bits) <= largest) ++bits;
    return std::max(bits, chosen);
}

}  // namespace tarvo::motion
