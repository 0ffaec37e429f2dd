#include "teach/comparison/StepPolyline.h"

#include <cmath>

namespace tarvo::teach {

void StepPolyline::begin(const IdealSegment& move) {
    reach_.take(move);
    cell_ = reach_.extent() / cellsAcross * widening_;
    const Point start{move.start.x, move.start.y};
    if (!parts_.empty() && parts_.back().back() == start) return;
    parts_.push_back({start});
    ++kept_;
    latest_ = {start, false};
}

void StepPolyline::add(double x, double y) {
    std::vector<Point>& part = parts_.back();
    const std::size_t before = part.size();
    latest_.add(part, {x, y}, cell_);
    kept_ += part.size() - before;
    if (kept_ > pointBudget && cell_ > 0) coarsen();
}

void StepPolyline::Thinning::add(std::vector<Point>& part, const Point& p, double cell) {
    if (std::abs(p.x - anchor.x) >= cell || std::abs(p.y - anchor.y) >= cell) {
        part.push_back(p);
        anchor = p;
        floating = false;
    } else if (floating) {
        part.back() = p;
    } else {
        part.push_back(p);
        floating = true;
    }
}

void StepPolyline::coarsen() {
    widening_ *= 2;
    cell_ *= 2;
    kept_ = 0;
    for (std::vector<Point>& part : parts_) {
        std::vector<Point> thinned{part.front()};
        latest_ = {part.front(), false};
        for (std::size_t i = 1; i < part.size(); ++i) latest_.add(thinned, part[i], cell_);
        part = std::move(thinned);
        kept_ += part.size();
    }
}

}  // namespace tarvo::teach
