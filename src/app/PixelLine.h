#pragma once

#include <cstdint>

namespace tarvo::app {

// A 32-bit pixel buffer to draw aliased one-pixel lines into, fast enough to
// replay a million steps per frame.
struct PixelBuffer {
    std::uint32_t* bits;
    int width, height;
    int stride;  // in pixels
};

// Draws the segment between two points given in pixel units (0 at the left
// and top edges), clipped to the buffer.
void drawPixelLine(PixelBuffer buffer, double x1, double y1, double x2, double y2,
                   std::uint32_t colour);

void drawPixel(PixelBuffer buffer, double x, double y, std::uint32_t colour);

}  // namespace tarvo::app
