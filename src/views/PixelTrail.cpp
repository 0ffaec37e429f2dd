#include "views/PixelTrail.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "views/NextFloat.h"

namespace tarvo::views {

namespace {

// Pixel coordinates from `low` up to, not including, `high`.
struct Range {
    double low = 0, high = 0;
    bool holds(double d) const { return d >= low && d < high; }
};

// A line whose two ends lie more than a pixel beyond one edge of the picture,
// and within a million pixels of it, the other coordinates not farther off
// either, is clipped away whole: that far, no rounding of the clipping
// brings it back onto the edge.
constexpr double nearOff = 1, farOff = 1 << 20;

// Where a line may end, along a side of `size` pixels, that begins off the
// picture at d, to be clipped away whole; nowhere when d is not so far off.
Range offBeyond(double d, int size) {
    if (d < -nearOff && d >= -farOff) return {-farOff, -nearOff};
    if (d >= size + nearOff && d < size + farOff) return {size + nearOff, size + farOff};
    return {};
}

// The float nearest `estimate`, on the way back to `from`, that maps into
// the range `from` maps into; `from` itself when none near it does. Mapping
// is monotonic, so every float between the two maps there too.
template <typename Maps>
float reach(float from, double estimate, const Maps& maps) {
    if (!(std::abs(estimate) < std::numeric_limits<float>::max())) return from;
    auto u = static_cast<float>(estimate);
    for (int tries = 0; tries < 4; ++tries, u = nextFloat(u, from)) {
        if (maps(u)) return u;
    }
    return from;
}

struct Span {
    float low, high;
};

// The floats around v that `map`, which is (u − origin) · k worked out in
// doubles, takes into a range of pixel coordinates, as it takes v.
template <typename Map>
Span spanAround(float v, Range range, double origin, double k, const Map& map) {
    const auto maps = [&](float u) { return range.holds(map(u)); };
    const double first = origin + range.low / k, second = origin + range.high / k;
    const double lower = k > 0 ? first : second, upper = k > 0 ? second : first;
    return {std::min(v, reach(v, lower, maps)), std::max(v, reach(v, upper, maps))};
}

}  // namespace

void PixelTrail::leave(PixelPen& pen, float x1, float y1, float x2, float y2, int colour) {
    pen.line(x1, y1, x2, y2, colour);
    follow(pen, x2, y2);
}

void PixelTrail::follow(const PixelPen& pen, float x, float y) {
    lastX_ = x;
    lastY_ = y;
    scales_ = pen.scales;
    pixel_ = nullptr;
    low_ = {1, 1};
    high_ = {0, 0};
    const PixelMap& map = pen.map;
    const PixelBuffer& b = pen.buffer;
    const double px = map.x(x), py = map.y(y);
    Range across, down;
    if (px >= 0 && py >= 0 && px < b.width && py < b.height) {
        const int column = static_cast<int>(px), row = static_cast<int>(py);
        pixel_ = b.bits + static_cast<std::size_t>(row) * static_cast<std::size_t>(b.stride) +
                 static_cast<std::size_t>(column);
        across = {static_cast<double>(column), column + 1.0};
        down = {static_cast<double>(row), row + 1.0};
    } else {
        const Range wide{-farOff, b.width + farOff}, high{-farOff, b.height + farOff};
        across = offBeyond(px, b.width);
        down = offBeyond(py, b.height);
        if (across.holds(px) && high.holds(py)) {
            down = high;
        } else if (down.holds(py) && wide.holds(px)) {
            across = wide;
        } else {
            return;
        }
    }
    const Span xs = spanAround(x, across, map.left, map.kx, [&](float u) { return map.x(u); });
    const Span ys = spanAround(y, down, map.top, map.ky, [&](float u) { return map.y(u); });
    low_ = {xs.low, ys.low};
    high_ = {xs.high, ys.high};
}

}  // namespace tarvo::views
