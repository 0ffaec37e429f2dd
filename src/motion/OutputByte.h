#pragma once

#include <array>
#include <cstdint>
#include <cstring>
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

    // The byte as the port takes it: bit i is outdata(i). The bits are kept
    // a byte each, so that setting one never waits on setting another.
    std::uint8_t byte() const {
        std::uint64_t flags = 0;  // byte i is 0 or 1
        std::memcpy(&flags, bits_.data(), sizeof flags);
        // Moves byte i's bit to bit 56 + i, with no carries between them.
        return static_cast<std::uint8_t>((flags * 0x0102040810204080ULL) >> 56);
    }
    char text(int index) const { return bits_[index] ? '1' : '0'; }
    std::string texts() const;  // indexes 0 to 7, "10101000" at rest

    // Every change is told to the panel, when it shows the byte.
    void set(int index, bool value) {
        const bool changed = shown_ && bits_[index] != value;
        bits_[index] = value;
        if (changed) tell(index, value);
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
    std::array<bool, Count> bits_{true, false, true, false, true, false, false, false};
    static_assert(sizeof(bits_) == sizeof(std::uint64_t));
};

}  // namespace tarvo::motion
