#include "teach/ideal/LineSteps.h"

#include <algorithm>

namespace tarvo::teach {

void LineSteps::clear() {
    xy_.clear();
    ranges_.clear();
    lastX_ = lastY_ = 0;
}

void LineSteps::interpolated(const motion::StepRecord& record, const motion::Segment&) {
    if (record.feed[0] == 0 && record.feed[1] == 0 && record.feed[2] == 0) return;
    const motion::Point3 drawn = record.point.drawn();
    const auto x = static_cast<float>(drawn.x), y = static_cast<float>(drawn.y);
    const bool newLine = ranges_.empty() || ranges_.back().line != record.line;
    if (points() + (newLine ? 2 : 1) <= capacity_) {
        if (newLine) {
            // The line's polyline starts where the plan view's drawing stood.
            ranges_.push_back({record.line, points(), 1});
            xy_.insert(xy_.end(), {lastX_, lastY_});
        }
        xy_.insert(xy_.end(), {x, y});
        ++ranges_.back().count;
    }
    lastX_ = x;
    lastY_ = y;
}

namespace {
struct Kept : motion::StepObserver::Mark {
    std::size_t xy = 0, ranges = 0, lastCount = 0;
    float lastX = 0, lastY = 0;
};
}  // namespace

std::unique_ptr<motion::StepObserver::Mark> LineSteps::mark() const {
    auto kept = std::make_unique<Kept>();
    kept->xy = xy_.size();
    kept->ranges = ranges_.size();
    kept->lastCount = ranges_.empty() ? 0 : ranges_.back().count;
    kept->lastX = lastX_;
    kept->lastY = lastY_;
    return kept;
}

bool LineSteps::rewind(const Mark* mark) {
    const auto& kept = static_cast<const Kept&>(*mark);
    xy_.resize(kept.xy);
    ranges_.resize(kept.ranges);
    if (!ranges_.empty()) ranges_.back().count = kept.lastCount;
    lastX_ = kept.lastX;
    lastY_ = kept.lastY;
    return true;
}

std::span<const float> LineSteps::polyline(std::int64_t line) const {
    // Lines come in order within a run, so the ranges are sorted by line.
    const auto it = std::lower_bound(ranges_.begin(), ranges_.end(), line,
                                     [](const Range& r, std::int64_t l) { return r.line < l; });
    if (it == ranges_.end() || it->line != line) return {};
    return {xy_.data() + 2 * it->first, 2 * it->count};
}

}  // namespace tarvo::teach
