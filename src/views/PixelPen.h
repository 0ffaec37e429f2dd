#pragma once

#include <cstdint>

#include "views/PixelLine.h"

namespace tarvo::views {

// The pixels of a view painted as it draws, with the scale in force and the
// drawing position: what a canvas that keeps none of its lines paints with.
// Its lines are laid into their caller, so the path drawing paints a step
// without a call for each of the three lines it adds to the views.
struct PixelPen {
    PixelBuffer buffer;
    PixelMap map;
    std::uint64_t scales = 0;     // scales set so far: what was worked out under one goes
    float x = 0, y = 0;           // the drawing position, user units
    std::uint32_t colours[16]{};  // the palette as pixels

    void setScale(float left, float top, float right, float bottom) {
        map = PixelMap(left, top, right, bottom, buffer.width, buffer.height);
        ++scales;
    }
    void line(float x1, float y1, float x2, float y2, int colour) {
        drawPixelLine(buffer, map.x(x1), map.y(y1), map.x(x2), map.y(y2), colours[colour & 15]);
        x = x2;
        y = y2;
    }
    void lineTo(float x2, float y2, int colour) { line(x, y, x2, y2, colour); }
};

}  // namespace tarvo::views
