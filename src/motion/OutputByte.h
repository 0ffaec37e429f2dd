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
    char text(int index) const { return bits_[index] ? '1' : '0'; }
    std::string texts() const;  // indexes 0 to 7, "10101000" at rest

    void set(int index, bool value);
    void reset();           // the idle pattern written at the start of a run
    void pulse(Axis axis);  // the axis's pulse bit goes active
    void direction(Axis axis, bool negative);
    void releasePulses();  // all three pulse bits back to rest

private:
    MotionPanel& panel_;
    std::array<bool, Count> bits_{true, false, true, false, true, false, false, false};
};

}  // namespace tarvo::motion
