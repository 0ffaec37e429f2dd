#pragma once

#include <vector>

#include "motion/exact/Decimal.h"
#include "views/Palette.h"
#include "views/PixelLine.h"

namespace tarvo::views {

// The pulse grid of the plan view, as the textbook draws every interpolation
// on it: the lines X = k·δ and Y = k·δ, k whole, counted from the work-piece
// origin, where the step points lie. Each line stands on the very pixel
// column or row the view paints a step point on.
struct PulseGrid {
    // A pulse narrower than this many pixels would make the grid a grey wash.
    static constexpr double minimumPulsePixels = 8;

    std::vector<int> columns;  // pixel x of the lines X = k·δ, left to right
    std::vector<int> rows;     // pixel y of the lines Y = k·δ, top to bottom

    bool empty() const { return columns.empty() && rows.empty(); }
};

// The grid's colour: a shade lighter than the drawing background, under the
// path, so it guides the eye and never hides a step.
inline constexpr Rgb pulseGridColour{92, 92, 92};

// The grid inside a view of `width` × `height` pixels that maps user units
// (internal units, tenths of a millimetre) to pixels by `map`, for a pulse of
// `dlstep` internal units. Empty when a pulse is narrower than the minimum.
PulseGrid pulseGrid(const PixelMap& map, int width, int height, motion::Decimal dlstep);

}  // namespace tarvo::views
