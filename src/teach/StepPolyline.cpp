#include "teach/StepPolyline.h"

#include <cmath>

namespace tarvo::teach {

void StepPolyline::begin(const IdealSegment& move) {
    reach_.take(move);
    cell_ = reach_.extent() / cellsAcross;
    const Point start{move.start.x, move.start.y};
    if (!parts_.empty() && parts_.back().back() == start) return;
    parts_.push_back({start});
    anchor_ = start;
    floating_ = false;
}

void StepPolyline::add(double x, double y) {
    std::vector<Point>& part = parts_.back();
    const Point p{x, y};
    if (!withinCell(p)) {
        part.push_back(p);
        anchor_ = p;
        floating_ = false;
    } else if (floating_) {
        part.back() = p;
    } else {
        part.push_back(p);
        floating_ = true;
    }
}

bool StepPolyline::withinCell(const Point& p) const {
    return std::abs(p.x - anchor_.x) < cell_ && std::abs(p.y - anchor_.y) < cell_;
}

}  // namespace tarvo::teach
