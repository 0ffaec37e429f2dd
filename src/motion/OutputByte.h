#pragma once

#include <array>
#include <string>

namespace tarvo::motion {

class MotionPanel;

// The byte the controller writes to the parallel port: a pulse bit (active at
// 0) and a direction bit (1 = negative) per axis, then spindle and coolant.
class OutputByte {
public:
    enum Bit { XPulse = 0, XDir, YPulse, YDir, ZPulse, ZDir, Spindle, Coolant, Count };
    enum class Axis { X, Y, Z };

    explicit OutputByte(MotionPanel& panel) : panel_(panel) {}

    bool bit(int index) const { return bits_[index]; }
    const std::array<bool, Count>& bits() const { return bits_; }
    char text(int index) const { return bits_[index] ? '1' : '0'; }
    std::string texts() const;  // indexes 0 to 7, "10101000" at rest

    // Every change is told to the panel, when it shows the byte.
    void set(int index, bool value) {
        const bool changed = bits_[index] != value;
        bits_[index] = value;
        if (shown_ && changed) tell(index, value);
    }
    void reset();  // the idle pattern written at the start of a run
    // The axis's pulse bit goes active.
    void pulse(Axis axis) { set(pulseBit(axis), false); }
    void direction(Axis axis, bool negative) { set(pulseBit(axis) + 1, negative); }
    // All three pulse bits back to rest.
    void releasePulses() {
        set(XPulse, true);
        set(YPulse, true);
        set(ZPulse, true);
    }

private:
    static int pulseBit(Axis axis) { return 2 * static_cast<int>(axis); }
    void tell(int index, bool value);

    MotionPanel& panel_;
    bool shown_ = true;
    std::array<bool, Count> bits_{true, false, true, false, true, false, false, false};
};

}  // namespace tarvo::motion
