#pragma once

#include <cstddef>
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

void drawPixel(const PixelBuffer& buffer, double x, double y, std::uint32_t colour);

// Both points lie in one pixel of the buffer.
inline bool samePixel(const PixelBuffer& b, double x1, double y1, double x2, double y2) {
    return x1 >= 0 && y1 >= 0 && x1 < b.width && y1 < b.height &&
           static_cast<int>(x1) == static_cast<int>(x2) &&
           static_cast<int>(y1) == static_cast<int>(y2) && x2 >= 0 && y2 >= 0;
}

// drawPixelLine for a segment that leaves its first pixel or the buffer.
void drawPixelSpan(const PixelBuffer& buffer, double x1, double y1, double x2, double y2,
                   std::uint32_t colour);

// Draws the segment between two points given in pixel units, clipped to the
// buffer. At a fine pulse equivalent most steps of a path begin and end in
// one pixel, which is all they paint.
inline void drawPixelLine(const PixelBuffer& b, double x1, double y1, double x2, double y2,
                          std::uint32_t colour) {
    if (samePixel(b, x1, y1, x2, y2)) {
        const int x = static_cast<int>(x1), y = static_cast<int>(y1);
        b.bits[static_cast<std::size_t>(y) * static_cast<std::size_t>(b.stride) +
               static_cast<std::size_t>(x)] = colour;
    } else {
        drawPixelSpan(b, x1, y1, x2, y2, colour);
    }
}

}  // namespace tarvo::views
