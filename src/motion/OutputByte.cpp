#include "motion/OutputByte.h"

#include "motion/MotionPanel.h"

namespace tarvo::motion {

namespace {
int pulseBit(OutputByte::Axis axis) {
    return 2 * static_cast<int>(axis);
}
}  // namespace

std::string OutputByte::texts() const {
    std::string out(Count, '0');
    for (int i = 0; i < Count; ++i) out[i] = text(i);
    return out;
}

void OutputByte::set(int index, bool value) {
    if (bits_[index] == value) return;
    bits_[index] = value;
    panel_.outputBitChanged(index, value);
}

void OutputByte::reset() {
    static constexpr std::array<bool, Count> idle{true, false, true,  false,
                                                  true, false, false, false};
    for (int i = 0; i < Count; ++i) set(i, idle[i]);
}

void OutputByte::pulse(Axis axis) {
    set(pulseBit(axis), false);
}

void OutputByte::direction(Axis axis, bool negative) {
    set(pulseBit(axis) + 1, negative);
}

void OutputByte::releasePulses() {
    set(XPulse, true);
    set(YPulse, true);
    set(ZPulse, true);
}

}  // namespace tarvo::motion
