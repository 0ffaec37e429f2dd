#pragma once

#include <cstddef>
#include <cstdint>

#include "views/Canvas.h"

namespace tarvo::motion {
class StoredPath;
}

namespace tarvo::views {

// What a left-button drag over the magnified view does.
enum class DragMode : std::int16_t { None = 0, Pan = 1, Rotate = 2 };

// The magnified view of the cut: replays the stored path below the surface at
// 3.2 times the plan scale. Panning and turning rewrite the stored entries in
// place (cumulatively) and redraw everything.
class MagnifiedView {
public:
    explicit MagnifiedView(Canvas& liner) : liner_(liner) {}

    // Clears the view and replays every rstep-th path and surface entry and
    // every wall edge. Nothing recorded: only the clear.
    void drawnew(const motion::StoredPath& path, std::int16_t bei);

    // A pointer move over the view, in its user units. Ignored while nothing
    // is recorded.
    void pointerMoved(motion::StoredPath& path, Buttons buttons, float x, float y,
                      std::int16_t bei);

    // Chooses what a drag does and sets the replay stride from the step
    // length (one replayed point per 0.4 mm of path), then redraws.
    void setMode(DragMode mode, motion::StoredPath& path, double dlstep, std::int16_t bei);

    static std::int64_t strideFor(double dlstep);
    // The stride through the recorded entries: fewer of them once each
    // stands for several step points.
    std::size_t strideIn(const motion::StoredPath& path) const;

    DragMode rmode = DragMode::None;
    std::int64_t rstep = 1;
    double lastx = 0;
    float lasty = 0;

private:
    void pan(motion::StoredPath& path, float x, float y) const;
    void rotate(motion::StoredPath& path, float x, float y) const;

    Canvas& liner_;
};

}  // namespace tarvo::views
