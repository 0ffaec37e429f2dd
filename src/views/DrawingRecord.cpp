#include "views/DrawingRecord.h"

#include <algorithm>
#include <utility>

namespace tarvo::views {

namespace {

// The coordinates of a run, x and y by turns, from its first point.
struct PointsFrom {
    const motion::Chunked<float>& points;
    std::size_t first;
    float operator[](std::size_t i) const { return points[first + i]; }
};

PixelMap mapOf(const PointsFrom& p, int size) {
    return PixelMap(p[0], p[1], p[2], p[3], size, size);
}

// The lines of two polylines drawn by turns, in the order they were drawn,
// in pixels of the map, from the line that ends at point `from` on: each
// point ends the line from the point two before.
template <typename Run, typename Draw>
void forEachTurn(const Run& run, const PointsFrom& p, const PixelMap& map, std::size_t from,
                 Draw draw) {
    const std::uint32_t colours[2] = {runColour(run.colour), runColour(run.partner)};
    for (std::size_t i = std::max<std::size_t>(from, 2); i < run.count; ++i) {
        draw(map.x(p[2 * i - 4]), map.y(p[2 * i - 3]), map.x(p[2 * i]), map.y(p[2 * i + 1]),
             colours[i % 2]);
    }
}

}  // namespace

void DrawingRecord::restart(const float scale[4], bool keepMemory) {
    if (keepMemory) {
        runs_.reuse();
        points_.reuse();
    } else {
        runs_.clear();
        points_.clear();
    }
    frozen_ = 0;
    setScale(scale);
}

void DrawingRecord::setScale(const float scale[4]) {
    startRun(scaleChange, scale[0], scale[1]);
    addPoint(scale[2], scale[3]);
    runs_.back().count = 2;
}

void DrawingRecord::line(float x1, float y1, float x2, float y2, std::int8_t colour) {
    Run* run = &runs_.back();
    if (!continues(*run, x1, y1, colour)) {
        run = takesTurn(*run, x1, y1, colour);
        if (run == nullptr) run = &startRun(colour, x1, y1);
    }
    addPoint(x2, y2);
    ++run->count;
}

DrawingRecord::Run& DrawingRecord::startRun(std::int8_t colour, float x, float y) {
    runs_.push_back({colour, alone, points_.size() / 2, 1});
    addPoint(x, y);
    return runs_.back();
}

bool DrawingRecord::continues(const Run& last, float x, float y, std::int8_t colour) const {
    return last.colour == colour && colour >= 0 && last.partner == alone &&
           endsAt(points_.size() / 2 - 1, x, y);
}

// The run a line from (x, y) goes on with as the polyline whose turn it is,
// or none. Two runs of one line each, the first of this colour and ending
// here, begin taking turns: the first's end and the second's start change
// places, so the points alternate, and the second run goes.
DrawingRecord::Run* DrawingRecord::takesTurn(Run& last, float x, float y, std::int8_t colour) {
    if (colour < 0) return nullptr;
    if (last.partner != alone) {
        const std::int8_t turn = last.count % 2 == 0 ? last.colour : last.partner;
        return turn == colour && endsAt(last.first + last.count - 2, x, y) ? &last : nullptr;
    }
    const std::size_t n = runs_.size();
    if (n < 2 || n - 2 < frozen_ || last.colour < 0 || last.count != 2) return nullptr;
    Run& before = runs_[n - 2];
    if (before.colour != colour || before.partner != alone || before.count != 2 ||
        !endsAt(before.first + 1, x, y)) {
        return nullptr;
    }
    const std::size_t end = 2 * (before.first + 1), start = 2 * last.first;
    std::swap(points_[end], points_[start]);
    std::swap(points_[end + 1], points_[start + 1]);
    before.partner = last.colour;
    before.count = 4;
    runs_.truncate(n - 1);
    return &before;
}

void DrawingRecord::freeze() const {
    frozen_ = std::max(frozen_, runs_.size());
}

void DrawingRecord::cutBack(std::size_t runs, std::size_t lastRunPoints, std::size_t floats) {
    runs_.truncate(runs);
    runs_.back().count = lastRunPoints;
    points_.truncate(floats);
    frozen_ = runs;
}

void DrawingRecord::paint(const PixelBuffer& buffer, Position from, PixelMap map) const {
    for (std::size_t r = from.run; r < runs_.size(); ++r) {
        const Run& run = runs_[r];
        const PointsFrom p{points_, 2 * run.first};
        // The points of this run already painted.
        const std::size_t painted = r == from.run ? from.points : 0;
        if (run.colour == scaleChange) {
            if (painted == 0) map = mapOf(p, buffer.width);
        } else if (run.colour == plotted) {
            if (painted == 0) drawPixel(buffer, map.x(p[0]), map.y(p[1]), runColour(run.colour));
        } else if (run.partner != alone) {
            forEachTurn(run, p, map, painted,
                        [&](double x1, double y1, double x2, double y2, std::uint32_t c) {
                            drawPixelLine(buffer, x1, y1, x2, y2, c);
                        });
        } else {
            const std::uint32_t colour = runColour(run.colour);
            const std::size_t first = std::max<std::size_t>(painted, 1);
            double x = map.x(p[2 * first - 2]), y = map.y(p[2 * first - 1]);
            for (std::size_t i = first; i < run.count; ++i) {
                const double nextX = map.x(p[2 * i]), nextY = map.y(p[2 * i + 1]);
                // Within a run nothing else is drawn between two of its
                // lines, so a line that stays in the pixel the last one
                // ended in adds nothing.
                if (i == first || !samePixel(buffer, x, y, nextX, nextY)) {
                    drawPixelLine(buffer, x, y, nextX, nextY, colour);
                }
                x = nextX;
                y = nextY;
            }
        }
    }
}

void DrawingRecord::forEachLine(int size, const LineTo& line, bool withPoints) const {
    PixelMap map;
    for (std::size_t r = 0; r < runs_.size(); ++r) {
        const Run& run = runs_[r];
        const PointsFrom p{points_, 2 * run.first};
        if (run.colour == scaleChange) {
            map = mapOf(p, size);
        } else if (run.colour == plotted) {
            const double x = map.x(p[0]), y = map.y(p[1]);
            if (withPoints) line(x, y, x, y, runColour(run.colour));
        } else if (run.partner != alone) {
            forEachTurn(run, p, map, 0, line);
        } else {
            for (std::size_t i = 1; i < run.count; ++i) {
                line(map.x(p[2 * i - 2]), map.y(p[2 * i - 1]), map.x(p[2 * i]), map.y(p[2 * i + 1]),
                     runColour(run.colour));
            }
        }
    }
}

}  // namespace tarvo::views
