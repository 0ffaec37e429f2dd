#include "motion/OutputByte.h"

#include "motion/MotionPanel.h"

namespace tarvo::motion {

std::string OutputByte::texts() const {
    std::string out(Count, '0');
    for (int i = 0; i < Count; ++i) out[i] = text(i);
    return out;
}

void OutputByte::tell(int index, bool value) {
    panel_.outputBitChanged(index, value);
}

void OutputByte::reset() {
    shown_ = panel_.showsMotion();
    restore(0b0001'0101);  // at rest the pulse bits are high: 10101000 for indexes 0 to 7
}

}  // namespace tarvo::motion
