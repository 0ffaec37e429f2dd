#pragma once

#include <cstdint>

#include "views/PixelPen.h"

namespace tarvo::views {

// One polyline painted with a pen, step by step, that remembers the pixel
// its last point lies in and the floats of each coordinate that map into
// that pixel's column and row. At a fine pulse equivalent most steps end in
// the pixel they start in: such a step is told by four comparisons and
// paints its one pixel, with none of the arithmetic that maps its points.
// A polyline off the picture, well beyond one of its edges, is remembered
// so too: a step that stays out there paints nothing, as its clipped line
// would. Every line lands on the very pixels pen.line() paints.
class PixelTrail {
public:
    // pen.line(x1, y1, x2, y2, colour), mostly at the cost of a comparison.
    void line(PixelPen& pen, float x1, float y1, float x2, float y2, int colour) {
        if (x1 == lastX_ && y1 == lastY_ && pen.scales == scales_ && x2 >= low_.x &&
            x2 <= high_.x && y2 >= low_.y && y2 <= high_.y) {
            if (pixel_) *pixel_ = pen.colours[colour & 15];
            pen.x = lastX_ = x2;
            pen.y = lastY_ = y2;
            return;
        }
        leave(pen, x1, y1, x2, y2, colour);
    }

private:
    struct Corner {
        float x, y;
    };
    // A line the trail's pixel does not hold: painted in full, after which
    // the trail follows it to its end, working out the floats that map
    // where that end maps.
    void leave(PixelPen& pen, float x1, float y1, float x2, float y2, int colour);
    void follow(const PixelPen& pen, float x, float y);

    float lastX_ = 0, lastY_ = 0;  // where the last line ended
    std::uint64_t scales_ = 0;     // the pen's scale then
    // The floats between these, both ways, map into the pixel the last line
    // ended in, or, when it is none, as far off the picture as it ended;
    // none do while it ended near the picture's edge.
    Corner low_{1, 1}, high_{0, 0};
    std::uint32_t* pixel_ = nullptr;  // none off the picture
};

}  // namespace tarvo::views
