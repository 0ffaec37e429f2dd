#include "teach/ideal/PathDeviation.h"

#include <algorithm>

namespace tarvo::teach {

void PathDeviation::clear() {
    finished_.clear();
    started_ = false;
    runDeviation_ = 0;
    ++changes_;
}

void PathDeviation::interpolated(const motion::StepRecord& record, const motion::Segment& segment) {
    if (record.number == 1) startSegment(segment);
    // An iteration of a straight move that fed no axis leaves the tool where it was.
    if (record.feed[0] == 0 && record.feed[1] == 0 && record.feed[2] == 0) return;
    const motion::Point3 point = record.point.drawn();
    if (!current_.mayLieFarther(point, current_.deviation)) return;
    const double d = current_.distance(point);
    if (d <= current_.deviation) return;
    current_.deviation = d;
    runDeviation_ = std::max(runDeviation_, d);
    ++changes_;
}

void PathDeviation::startSegment(const motion::Segment& segment) {
    if (started_ && finished_.size() < capacity_) finished_.push_back(current_);
    current_ = IdealSegment::of(segment);
    started_ = true;
    ++changes_;
}

namespace {
struct Kept : motion::StepObserver::Mark {
    std::size_t finished = 0;
    IdealSegment current;
    bool started = false;
    double runDeviation = 0;
};
}  // namespace

std::unique_ptr<motion::StepObserver::Mark> PathDeviation::mark() const {
    auto kept = std::make_unique<Kept>();
    kept->finished = finished_.size();
    kept->current = current_;
    kept->started = started_;
    kept->runDeviation = runDeviation_;
    return kept;
}

bool PathDeviation::rewind(const Mark* mark) {
    const auto& kept = static_cast<const Kept&>(*mark);
    finished_.resize(kept.finished);
    current_ = kept.current;
    started_ = kept.started;
    runDeviation_ = kept.runDeviation;
    ++changes_;
    return true;
}

const IdealSegment* PathDeviation::ofLine(std::int64_t line) const {
    if (started_ && current_.line == line) return &current_;
    // Within a run every motion comes from a later line than the one before.
    const auto it =
        std::lower_bound(finished_.begin(), finished_.end(), line,
                         [](const IdealSegment& s, std::int64_t l) { return s.line < l; });
    return it != finished_.end() && it->line == line ? &*it : nullptr;
}

}  // namespace tarvo::teach
