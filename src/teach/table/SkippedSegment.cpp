#include "teach/table/SkippedSegment.h"

namespace tarvo::teach {

motion::StepRecord skippedRecord(const motion::Segment& s) {
    motion::StepRecord r;
    r.line = s.line;
    r.number = 0;
    r.gmode = s.gmode;
    const bool arc =
        s.gmode == motion::Mode::Clockwise || s.gmode == motion::Mode::CounterClockwise;
    r.method = arc ? motion::Method::Comparison : motion::Method::Integration;
    // As degorder leaves them: an arc's point from its centre, deviation 0.
    if (arc) {
        r.before.px = s.ic * 10;
        r.before.py = s.jc * 10;
        r.before.pz = s.zs * 10;
    }
    r.after = r.before;
    r.regmax = s.regmax;
    r.point = {s.xs * 10, s.ys * 10, s.zs * 10};
    r.skipped = true;
    return r;
}

}  // namespace tarvo::teach
