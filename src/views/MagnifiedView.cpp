#include "views/MagnifiedView.h"

#include <cmath>

#include "motion/StoredPath.h"
#include "motion/exact/Rounding.h"
#include "views/Canvas.h"
#include "views/Palette.h"

namespace tarvo::views {

namespace {

float f(double v) {
    return static_cast<float>(v);
}

// The constant the machine turns with, and the pointer travel of a full turn.
constexpr double pi = 3.14159;
constexpr double unitsPerTurn = 600;

using List = motion::ChunkedList;

// Turns (x, y, z) about the x axis by a, then about the y axis by b.
void turn(double& x, double& y, double& z, double cosA, double sinA, double cosB, double sinB) {
    const double y1 = y * cosA - z * sinA;
    const double z1 = z * cosA + y * sinA;
    const double x2 = x * cosB + z1 * sinB;
    const double z2 = z1 * cosB - x * sinB;
    x = x2;
    y = y1;
    z = z2;
}

// Visits entries 1, 1 + stride, … of lists as long as `list` a chunk at a
// time: visit(first, count) gets entries first, first + stride, … below
// first + count, which lie one after another in memory in every such list.
template <typename Visit>
void eachRun(const List& list, std::size_t stride, Visit visit) {
    for (std::size_t first = 1; first < list.size();) {
        const std::size_t count = list.runLength(first);
        visit(first, count);
        first += (count + stride - 1) / stride * stride;
    }
}

// Entries 1, 1 + stride, … as one polyline, starting with a point at entry 1
// (so the first line has length zero).
void replay(Canvas& canvas, const List& xs, const List& ys, std::size_t stride, int colour) {
    canvas.plot(f(xs[1]), f(ys[1]));
    eachRun(xs, stride, [&](std::size_t first, std::size_t count) {
        canvas.polylineTo(xs.run(first), ys.run(first), count, stride, colour);
    });
}

}  // namespace

std::int64_t MagnifiedView::strideFor(double dlstep) {
    const std::int64_t stride = motion::toWide(4 / dlstep);
    return stride < 1 ? 1 : stride;
}

std::size_t MagnifiedView::strideIn(const motion::StoredPath& path) const {
    const std::size_t stride = static_cast<std::size_t>(rstep) / path.keep();
    return stride < 1 ? 1 : stride;
}

void MagnifiedView::drawnew(const motion::StoredPath& path, std::int16_t bei) {
    liner_.setScale(0, f(500.0 / bei), f(500.0 / bei), 0);
    liner_.clear();
    if (path.pathUpper() == 0) return;
    const std::size_t stride = strideIn(path);
    replay(liner_, path.pathx, path.pathy, stride, colour::lightRed);
    replay(liner_, path.surfaceXs(), path.surfaceYs(), stride, colour::lightGreen);
    for (std::size_t i = 1; i <= path.wallUpper(); ++i) {
        liner_.line(f(path.wallx0[i]), f(path.wally0[i]), f(path.wallx1[i]), f(path.wally1[i]),
                    colour::lightGreen);
    }
}

void MagnifiedView::pointerMoved(motion::StoredPath& path, Buttons buttons, float x, float y,
                                 std::int16_t bei) {
    if (path.pathUpper() == 0) return;
    const bool moved = x != lastx || y != lasty;
    if (rmode != DragMode::None && buttons == Buttons::LeftAlone && moved) {
        if (rmode == DragMode::Pan) {
            pan(path, x, y);
        } else {
            rotate(path, x, y);
        }
        drawnew(path, bei);
    }
    lasty = y;
    lastx = x;
}

void MagnifiedView::setMode(DragMode mode, motion::StoredPath& path, double dlstep,
                            std::int16_t bei) {
    rstep = strideFor(dlstep);
    rmode = mode;
    liner_.setPointer(mode == DragMode::Pan      ? Pointer::Hand
                      : mode == DragMode::Rotate ? Pointer::Cross
                                                 : Pointer::Arrow);
    drawnew(path, bei);
}

// Each entry becomes (old − last position) + new position, so the picture
// follows the pointer exactly however far it is dragged.
void MagnifiedView::pan(motion::StoredPath& path, float x, float y) const {
    const auto shift = [&](double& vx, double& vy) {
        vx = (vx - lastx) + x;
        vy = (vy - lasty) + y;
    };
    path.keepSurface();
    const std::size_t stride = strideIn(path);
    eachRun(path.pathx, stride, [&](std::size_t first, std::size_t count) {
        double *px = path.pathx.run(first), *py = path.pathy.run(first);
        double *sx = path.surfx.run(first), *sy = path.surfy.run(first);
        for (std::size_t k = 0; k < count; k += stride) {
            shift(px[k], py[k]);
            shift(sx[k], sy[k]);
        }
    });
    for (std::size_t i = 1; i <= path.wallUpper(); ++i) {
        shift(path.wallx0[i], path.wally0[i]);
        shift(path.wallx1[i], path.wally1[i]);
    }
}

// Vertical pointer travel turns about the view's x axis, horizontal travel
// about its y axis; 600 units make a full turn.
void MagnifiedView::rotate(motion::StoredPath& path, float x, float y) const {
    const double a = ((static_cast<double>(lasty) - y) / unitsPerTurn) * 2 * pi;
    const double b = ((x - lastx) / unitsPerTurn) * 2 * pi;
    const double cosA = std::cos(a), sinA = std::sin(a), cosB = std::cos(b), sinB = std::sin(b);
    path.keepSurface();
    const std::size_t stride = strideIn(path);
    eachRun(path.pathx, stride, [&](std::size_t first, std::size_t count) {
        double *px = path.pathx.run(first), *py = path.pathy.run(first),
               *pz = path.pathz.run(first);
        double *sx = path.surfx.run(first), *sy = path.surfy.run(first),
               *sz = path.surfz.run(first);
        for (std::size_t k = 0; k < count; k += stride) {
            turn(px[k], py[k], pz[k], cosA, sinA, cosB, sinB);
            turn(sx[k], sy[k], sz[k], cosA, sinA, cosB, sinB);
        }
    });
    for (std::size_t i = 1; i <= path.wallUpper(); ++i) {
        turn(path.wallx0[i], path.wally0[i], path.wallz0[i], cosA, sinA, cosB, sinB);
        turn(path.wallx1[i], path.wally1[i], path.wallz1[i], cosA, sinA, cosB, sinB);
    }
}

}  // namespace tarvo::views
