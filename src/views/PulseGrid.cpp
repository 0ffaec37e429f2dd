#include "views/PulseGrid.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tarvo::views {

namespace {

// The pixels of the lines k·δ along one axis of the view: `toPixel` maps user
// units to pixel units as the view does, `scale` is its pixels a user unit
// (negative where the axis grows upwards), `from` the user units at pixel 0.
template <typename ToPixel>
std::vector<int> gridLines(ToPixel toPixel, double from, double scale, int pixels,
                           motion::Decimal dlstep) {
    std::vector<int> lines;
    const double pulse = dlstep.toDouble();
    if (pixels <= 0 || pulse <= 0 || pulse * std::abs(scale) < PulseGrid::minimumPulsePixels) {
        return lines;
    }
    // The pulses the view spans, one more on each side: which of them land
    // inside is told by the view's own mapping below, not by this estimate.
    const double to = from + pixels / scale;
    const auto first = static_cast<std::int64_t>(std::floor(std::min(from, to) / pulse)) - 1;
    const auto last = static_cast<std::int64_t>(std::ceil(std::max(from, to) / pulse)) + 1;
    for (std::int64_t k = first; k <= last; ++k) {
        // A step point's coordinate reaches the view as a float, and the
        // view paints it on the pixel its pixel units fall in; the far edge
        // belongs to the last pixel.
        const double at = toPixel(static_cast<float>((dlstep * k).toDouble()));
        if (at < 0 || at > pixels) continue;
        lines.push_back(std::min(static_cast<int>(at), pixels - 1));
    }
    if (scale < 0) lines = {lines.rbegin(), lines.rend()};
    return lines;
}

}  // namespace

PulseGrid pulseGrid(const PixelMap& map, int width, int height, motion::Decimal dlstep) {
    return {gridLines([&map](float v) { return map.x(v); }, map.left, map.kx, width, dlstep),
            gridLines([&map](float v) { return map.y(v); }, map.top, map.ky, height, dlstep)};
}

}  // namespace tarvo::views
