#pragma once

namespace tarvo::motion {

// What the interpolation engine shows while it moves the tool. The shell
// implements it; every call happens inside Machine::advance().
class MotionPanel {
public:
    virtual ~MotionPanel() = default;

    // An output-byte bit changed (index 0 to 7, see OutputByte::Bit).
    virtual void outputBitChanged(int index, bool value) = 0;
    // A new step point, in millimetres: the read-outs of the moving point.
    virtual void pointShown(double x, double y, double z) = 0;
    // demorder switched the spindle (M03/M05) or the coolant (M08/M09).
    virtual void spindleShown(bool on) = 0;
    virtual void coolantShown(bool on) = 0;
    // False for a panel that shows neither the output byte's bits nor the
    // moving point: it is then told of neither. Asked at the start of every run.
    virtual bool showsMotion() const { return true; }
    // The recorded cut filled its memory budget: the run goes on, the
    // magnified view keeping only some of its step points from now on. Told
    // the first time in a run only.
    virtual void cutThinned() {}
};

}  // namespace tarvo::motion
