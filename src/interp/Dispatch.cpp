#include "interp/Dispatch.h"

#include <algorithm>

#include "motion/MotionPanel.h"
#include "motion/OutputByte.h"

namespace tarvo::interp {

using motion::Mode;

motion::Decimal registerCapacity(const motion::Segment& s) {
    const motion::Decimal increment =
        std::max({(s.xe - s.xs).abs(), (s.ye - s.ys).abs(), (s.ze - s.zs).abs()});
    std::int64_t regmax = 0;  // whole millimetres
    while (increment > motion::Decimal(regmax)) regmax = regmax == 0 ? 2 : 2 * regmax;
    return motion::Decimal(regmax);
}

bool degorder(std::string_view gcode, motion::Segment& s, motion::Registers& r) {
    if (gcode == "G00" || gcode == "G01") {
        r.px = r.py = r.pz = 0;
        r.jrx = r.jry = 0;
        r.jrz = 0;
        s.gmode = gcode == "G00" ? Mode::Rapid : Mode::Line;
        s.regmax = registerCapacity(s);
        return true;
    }
    if (gcode == "G02" || gcode == "G03") {
        r.fm = 0;
        s.gmode = gcode == "G02" ? Mode::Clockwise : Mode::CounterClockwise;
        r.px = s.ic * 10;
        r.py = s.jc * 10;
        r.pz = s.zs * 10;
        return true;
    }
    return false;
}

void demorder(std::string_view mcode, std::string_view lcode, motion::OutputByte& outdata,
              Switches& switches, motion::MotionPanel& panel) {
    if (mcode == "M03" || mcode == "M05") {
        switches.zhukg = mcode == "M03";
        outdata.set(motion::OutputByte::Spindle, switches.zhukg);
        panel.spindleShown(switches.zhukg);
    }
    if (lcode == "M08" || lcode == "M09") {
        switches.lengkg = lcode == "M08";
        outdata.set(motion::OutputByte::Coolant, switches.lengkg);
        panel.coolantShown(switches.lengkg);
    }
}

}  // namespace tarvo::interp
