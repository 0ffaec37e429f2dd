#pragma once

#include <cstdint>

namespace tarvo::views {

// A 32-bit pixel buffer to draw aliased one-pixel lines into, fast enough to
// replay a million steps per frame.
struct PixelBuffer {
    std::uint32_t* bits = nullptr;
    int width = 0, height = 0;
    int stride = 0;  // in pixels
};

// From a view's user units (left, top, right, bottom at the edges) to pixel
// units of a buffer of the given size, 0 at the left and top edges.
struct PixelMap {
    double left = 0, top = 0, kx = 1, ky = 1;

    PixelMap() = default;
    PixelMap(float l, float t, float r, float b, int width, int height)
        : left(l),
          top(t),
          kx(width / (static_cast<double>(r) - l)),
          ky(height / (static_cast<double>(b) - t)) {}
    double x(float v) const { return (v - left) * kx; }
    double y(float v) const { return (v - top) * ky; }
};

// Draws the segment between two points given in pixel units, clipped to the
// buffer.
void drawPixelLine(const PixelBuffer& buffer, double x1, double y1, double x2, double y2,
                   std::uint32_t colour);

void drawPixel(const PixelBuffer& buffer, double x, double y, std::uint32_t colour);

// Both points lie in one pixel of the buffer.
inline bool samePixel(const PixelBuffer& b, double x1, double y1, double x2, double y2) {
    return x1 >= 0 && y1 >= 0 && x1 < b.width && y1 < b.height &&
           static_cast<int>(x1) == static_cast<int>(x2) &&
           static_cast<int>(y1) == static_cast<int>(y2) && x2 >= 0 && y2 >= 0;
}

}  // namespace tarvo::views
