#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "teach/IdealSegment.h"
#include "teach/PathDeviation.h"

namespace tarvo::teach {

// The overlay's colours: the exact path light cyan, a picked line's steps
// light magenta, drawn three pixels wide.
struct OverlayColour {
    int r, g, b;
};
inline constexpr OverlayColour idealColour = {0, 255, 255};
inline constexpr OverlayColour pickedStepsColour = {255, 0, 255};

// The exact path of a segment as the plan view draws it over the steps: a
// line as its two ends, an arc as a polyline fine enough that its pieces
// stay within a pixel or so of the circle however large it is shown. x, y
// pairs in the view's user units; `pixelsPerUnit` is the view's scale.
std::vector<double> idealPolyline(const IdealSegment& segment, double pixelsPerUnit);

// The read-out under the ideal path, "偏差：本段 0.50 脉冲 (0.050 mm)  全程 0.71
// 脉冲 (0.071 mm)": of the segment under way, or of a picked program line
// (from 1; 0 for none) as "第3行", and of the run. `dlstep` is the step
// length in tenths of a millimetre, which a distance divided by is pulses.
std::string deviationReadout(const PathDeviation& deviation, double dlstep, std::int64_t line);

}  // namespace tarvo::teach
