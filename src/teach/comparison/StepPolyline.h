#pragma once

#include <cstddef>
#include <vector>

#include "teach/comparison/PlanBounds.h"
#include "teach/ideal/IdealSegment.h"

namespace tarvo::teach {

// A run's staircase of step points in the plan view (XY), internal units
// (tenths of a millimetre), thinned as it comes to what a drawing can show.
// A cell is the extent of the paths so far divided by the pixels of the
// largest drawing; of the points that follow one into its cell (closer than
// a cell along both axes), only the latest is kept beside it. So a move of
// any length keeps at most two points for each cell it passes, and every
// step point lies within a cell of a point kept before it or at it. A run
// that passes over its drawing again and again would still keep more than
// `pointBudget` points: then its cells are made twice as wide and what it
// kept is thinned again, so that a step point may lie up to one and a half
// of the wider cells away.
class StepPolyline {
public:
    struct Point {
        double x = 0, y = 0;
        friend bool operator==(const Point&, const Point&) = default;
    };
    // Pixels across the largest drawing made of a run.
    static constexpr double cellsAcross = 4096;
    static constexpr std::size_t pointBudget = std::size_t{1} << 17;

    // A move begins: its path widens the cell; a move that does not start
    // where the last one ended begins a new part at its start.
    void begin(const IdealSegment& move);
    // The step point after an iteration that fed.
    void add(double x, double y);

    // Each part a polyline from its first point to its latest.
    const std::vector<std::vector<Point>>& parts() const { return parts_; }
    // The side of a cell now, internal units; 0 keeps every point.
    double cell() const { return cell_; }
    // The paths of the moves begun so far.
    const PlanBounds& reach() const { return reach_; }

private:
    // Thins one part as it grows.
    struct Thinning {
        Point anchor;           // the kept point whose cell the latest points share
        bool floating = false;  // whether the part's last point is a later one of that cell
        void add(std::vector<Point>& part, const Point& p, double cell);
    };
    void coarsen();

    PlanBounds reach_;
    double cell_ = 0;
    double widening_ = 1;  // how many times wider than the drawing's pixels a cell now is
    std::size_t kept_ = 0;
    std::vector<std::vector<Point>> parts_;
    Thinning latest_;  // of the last part
};

}  // namespace tarvo::teach
