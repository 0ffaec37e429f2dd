#pragma once

#include <string>
#include <vector>

#include "motion/PulseStep.h"
#include "teach/exercises/Exercise.h"

namespace tarvo::teach {

// An exercise's figure on its pulse grid as an inline SVG element: a grid
// line at every pulse with the pulse counts along two edges, the axes
// through (0, 0), the ideal line or arc, its start and end, an arc's centre;
// and, when the staircase is asked for, the path the stepper took through
// `path` (its points from the start, pulses). Whole pulses map to whole
// SVG units, so nothing is rounded; every text is escaped.
std::string pulseGridFigure(const Exercise& exercise, const std::vector<motion::PulsePoint>& path,
                            bool staircase);

}  // namespace tarvo::teach
