#include "teach/comparison/MethodRun.h"

namespace tarvo::teach {

void MethodRun::begin(const motion::StepRecord& record, const motion::Segment& segment) {
    path_ = IdealSegment::of(segment);
    moves_.push_back({record.line, record.gmode, {}});
    if (moves_.back().rapid()) return;
    ideal_.push_back(path_);
    staircase_.begin(path_);
}

void MethodRun::interpolated(const motion::StepRecord& record, const motion::Segment& segment) {
    if (record.number == 1) begin(record, segment);
    int axes = 0;
    for (const std::int8_t feed : record.feed) axes += feed != 0;
    double deviation = 0;
    const motion::Point3 p = record.point.drawn();
    if (axes != 0) deviation = path_.distance(p) / dlstep_;
    MoveFigures& move = moves_.back();
    move.figures.count(record.feed, deviation);
    if (move.rapid()) return;
    compared_.count(record.feed, deviation);
    feeds_.add(axes);
    if (axes != 0) staircase_.add(p.x, p.y);
}

}  // namespace tarvo::teach
