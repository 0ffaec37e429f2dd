#pragma once

#include <cstdint>
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

    bool bit(int index) const { return ((byte_ >> index) & 1U) != 0; }
    // The byte as the port takes it: bit i is outdata(i).
    std::uint8_t byte() const { return byte_; }
    char text(int index) const { return bit(index) ? '1' : '0'; }
    std::string texts() const;  // indexes 0 to 7, "10101000" at rest

    // Every change is told to the panel, when it shows the byte.
    void set(int index, bool value) {
        if (bit(index) == value) return;
        byte_ ^= static_cast<std::uint8_t>(1U << index);
        if (shown_) tell(index, value);
    }
    void reset();  // the idle pattern written at the start of a run
    // Every bit as in a byte taken before, each change told as set() tells it.
    void restore(std::uint8_t byte) {
        for (int i = 0; i < Count; ++i) set(i, ((byte >> i) & 1U) != 0);
    }
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
    // At rest the pulse bits are high: 10101000 for indexes 0 to 7.
    static constexpr std::uint8_t idle = 0b0001'0101;
    std::uint8_t byte_ = idle;
};

}  // namespace tarvo::motion
