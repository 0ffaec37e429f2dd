#pragma once

#include <string_view>

#include "motion/Segment.h"

namespace tarvo::motion {
class MotionPanel;
class OutputByte;
}  // namespace tarvo::motion

namespace tarvo::interp {

// Spindle and coolant states shown beside their output bits.
struct Switches {
    bool zhukg = false;   // spindle
    bool lengkg = false;  // coolant
};

// Prepares the line's motion for the interpolator: mode, registers and, for
// straight moves, the register capacity. Returns false when no motion command
// has been read yet, so the interpreter goes straight on.
bool degorder(std::string_view gcode, motion::Segment& s, motion::Registers& r);

// The smallest power of two, from 2 up, that no axis increment exceeds; 0 for
// a segment of length zero. Increments in millimetres as written, compared
// exactly.
motion::Decimal registerCapacity(const motion::Segment& s);

// Applies the line's spindle and coolant commands at the end of its motion.
void demorder(std::string_view mcode, std::string_view lcode, motion::OutputByte& outdata,
              Switches& switches, motion::MotionPanel& panel);

}  // namespace tarvo::interp
