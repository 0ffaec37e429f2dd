#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

#include "motion/ChunkedList.h"
#include "views/Palette.h"
#include "views/PixelLine.h"

namespace tarvo::views {

// A palette colour as a pixel of a 32-bit buffer: opaque, red, green, blue.
constexpr std::uint32_t pixelOf(Rgb c) {
    return 0xff000000U | static_cast<std::uint32_t>(c.r) << 16 |
           static_cast<std::uint32_t>(c.g) << 8 | static_cast<std::uint32_t>(c.b);
}

// What a view drew since it was last cleared, as runs of points: a polyline
// in a palette colour, a plotted point, or a change of scale (two points:
// left, top and right, bottom). Lines that continue each other in one colour
// share a run, so a path costs two floats a step. So do two polylines drawn
// by turns, as the axonometric view draws a cut and its shadow on the
// surface: their points alternate, the first polyline's in its colour, the
// second's in its partner's.
class DrawingRecord {
public:
    // The bytes of points a view keeps unless its shell says otherwise:
    // 32 M points, a step of the plan view or half a step of the axonometric
    // view below the surface.
    static constexpr std::size_t defaultBudget = std::size_t{256} << 20;
    static constexpr std::int8_t plotted = -1;
    static constexpr std::int8_t scaleChange = -2;

    // A point of the drawing: the points of one run so far, after every run
    // before it.
    struct Position {
        std::size_t run = 0, points = 0;
    };

    // Forgets the drawing, keeping its memory for what comes next or not,
    // and begins again at a scale: left, top, right, bottom.
    void restart(const float scale[4], bool keepMemory);
    // A new scale applies to what is drawn next; what is drawn stays where
    // it is, so scale changes travel in the record with the drawing.
    void setScale(const float scale[4]);
    void line(float x1, float y1, float x2, float y2, std::int8_t colour);
    void plot(float x, float y) { startRun(plotted, x, y); }
    // A polyline from (x, y): then its points, and how many they were.
    void beginPolyline(float x, float y, std::int8_t colour) {
        if (!continues(runs_.back(), x, y, colour)) startRun(colour, x, y);
    }
    void addPoint(float x, float y) {
        points_.push_back(x);
        points_.push_back(y);
    }
    void endPolyline(std::size_t points) { runs_.back().count += points; }
    float lastX() const { return points_[points_.size() - 2]; }
    float lastY() const { return points_.back(); }

    std::size_t runs() const { return runs_.size(); }
    std::size_t lastRunPoints() const { return runs_.back().count; }
    std::size_t floats() const { return points_.size(); }
    Position end() const { return {runs_.size() - 1, runs_.back().count}; }
    // Heap memory held.
    std::size_t bytes() const { return runs_.bytes() + points_.bytes(); }

    // The runs that stand now stay as they are, for a mark or a painting to
    // find them so: they never begin taking turns. What was drawn stays as
    // it is.
    void freeze() const;
    // Back to so many runs, points of the last and floats, as they stood.
    void cutBack(std::size_t runs, std::size_t lastRunPoints, std::size_t floats);

    // Paints the drawing from a position on, the map in force there given.
    void paint(const PixelBuffer& buffer, Position from, PixelMap map) const;
    // Every line of the drawing in the order drawn, in pixel units of a
    // square of `size` pixels, with its pixel colour; plotted points are no
    // lines, unless asked for: then each is a line from itself to itself.
    using LineTo =
        std::function<void(double x1, double y1, double x2, double y2, std::uint32_t colour)>;
    void forEachLine(int size, const LineTo& line, bool withPoints = false) const;

private:
    struct Run {
        std::int8_t colour;   // a palette index, or one of the kinds above
        std::int8_t partner;  // the second polyline's palette index, or alone
        std::size_t first;    // index of its first point
        std::size_t count;
    };
    static constexpr std::int8_t alone = -1;

    bool continues(const Run& last, float x, float y, std::int8_t colour) const;
    Run* takesTurn(Run& last, float x, float y, std::int8_t colour);
    Run& startRun(std::int8_t colour, float x, float y);
    bool endsAt(std::size_t point, float x, float y) const {
        return points_[2 * point] == x && points_[2 * point + 1] == y;
    }

    // Kept in chunks, so that a long drawing grows without ever copying
    // itself, which would hold up the window for the length of the copy.
    motion::Chunked<Run> runs_;
    motion::Chunked<float> points_;   // x, y of each point
    mutable std::size_t frozen_ = 0;  // runs that never begin taking turns
};

// The colour a run's lines are drawn in: plotted points take the foreground
// colour, black.
inline std::uint32_t runColour(std::int8_t colour) {
    return colour < 0 ? pixelOf(palette[views::colour::black]) : pixelOf(paletteColour(colour));
}

}  // namespace tarvo::views
