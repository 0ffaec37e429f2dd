#include "views/PixelLine.h"

#include <cmath>
#include <cstdlib>

namespace tarvo::views {

namespace {

// Liang-Barsky: trims the segment to the box [0, w] x [0, h]. The far edges
// belong to the last column and row, so a line drawn along the right or
// bottom edge of a view's scale still shows.
bool clip(double& x1, double& y1, double& x2, double& y2, double w, double h) {
    const double maxX = w, maxY = h;
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0, t1 = 1;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1, maxX - x1, y1, maxY - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            if (t > t0) t0 = t;
        } else {
            if (t < t0) return false;
            if (t < t1) t1 = t;
        }
    }
    const double ox = x1, oy = y1;
    x1 = ox + t0 * dx;
    y1 = oy + t0 * dy;
    x2 = ox + t1 * dx;
    y2 = oy + t1 * dy;
    return std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2);
}

int pixel(double v, int size) {
    const int p = static_cast<int>(std::floor(v));
    return p < 0 ? 0 : (p >= size ? size - 1 : p);
}

bool inside(const PixelBuffer& b, double x, double y) {
    return x >= 0 && x < b.width && y >= 0 && y < b.height;
}

bool onBuffer(const PixelBuffer& b, double x, double y) {
    return x >= 0 && x <= b.width && y >= 0 && y <= b.height;
}

}  // namespace

void drawPixel(const PixelBuffer& b, double x, double y, std::uint32_t colour) {
    if (!onBuffer(b, x, y)) return;
    b.bits[static_cast<std::size_t>(pixel(y, b.height)) * b.stride + pixel(x, b.width)] = colour;
}

void drawPixelSpan(const PixelBuffer& b, double x1, double y1, double x2, double y2,
                   std::uint32_t colour) {
    int x, y, xEnd, yEnd;
    if (inside(b, x1, y1) && inside(b, x2, y2)) {
        // Most steps of a path lie inside the view: truncation is the floor
        // of these non-negative values.
        x = static_cast<int>(x1);
        y = static_cast<int>(y1);
        xEnd = static_cast<int>(x2);
        yEnd = static_cast<int>(y2);
    } else {
        if (!clip(x1, y1, x2, y2, b.width, b.height)) return;
        x = pixel(x1, b.width);
        y = pixel(y1, b.height);
        xEnd = pixel(x2, b.width);
        yEnd = pixel(y2, b.height);
    }
    const int dx = std::abs(xEnd - x), dy = -std::abs(yEnd - y);
    const int sx = x < xEnd ? 1 : -1, sy = y < yEnd ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        b.bits[static_cast<std::size_t>(y) * b.stride + x] = colour;
        if (x == xEnd && y == yEnd) return;
        const int e2 = 2 * error;
        if (e2 >= dy) {
            error += dy;
            x += sx;
        }
        if (e2 <= dx) {
            error += dx;
            y += sy;
        }
    }
}

}  // namespace tarvo::views
