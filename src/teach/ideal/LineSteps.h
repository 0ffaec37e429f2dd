#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "motion/StepRecord.h"

namespace tarvo::teach {

// The step points of a run filed by program line, as the plan view drew
// them (x, y in internal units, handed over as 32-bit floats), so the steps
// of one line can be picked out after the run. Two floats a step point, up to
// a fixed number of points.
class LineSteps : public motion::StepObserver {
public:
    // 32 MB of points: a run of hours at the window's pace.
    static constexpr std::size_t defaultCapacity = std::size_t{1} << 22;

    // The whole capacity is reserved at once, untouched until used, so that
    // filling it never stops a run to copy what it holds.
    explicit LineSteps(std::size_t capacity = defaultCapacity) : capacity_(capacity) {
        xy_.reserve(2 * capacity_);
    }

    // A fresh run starts at the origin, where the plan view's drawing starts.
    void clear();
    void interpolated(const motion::StepRecord& record, const motion::Segment& segment) override;
    std::unique_ptr<Mark> mark() const override;
    bool rewind(const Mark* mark) override;

    // The plan view's polyline of a line's steps as x, y pairs: the point the
    // tool stood on before the line's first step, then every step point.
    // Empty when the line made no step.
    std::span<const float> polyline(std::int64_t line) const;
    // Points kept.
    std::size_t points() const { return xy_.size() / 2; }

private:
    struct Range {
        std::int64_t line;
        std::size_t first, count;  // in points
    };

    std::size_t capacity_;
    std::vector<float> xy_;
    std::vector<Range> ranges_;
    float lastX_ = 0, lastY_ = 0;
};

}  // namespace tarvo::teach
