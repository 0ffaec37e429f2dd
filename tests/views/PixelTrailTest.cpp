#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "views/PixelPen.h"
#include "views/PixelTrail.h"

namespace tarvo::views {
namespace {

constexpr int width = 7, height = 5;

// A pen on its own pixels, with colours 1 to 16.
struct Pixels {
    Pixels() {
        pen.buffer = {bits.data(), width, height, width};
        for (int c = 0; c < 16; ++c) pen.colours[c] = static_cast<std::uint32_t>(c + 1);
    }
    std::vector<std::uint32_t> bits = std::vector<std::uint32_t>(width * height);
    PixelPen pen;
};

// Two polylines painted by turns with one pen, as the axonometric view
// paints a cut and its shadow: now and then one leaves its last point, leaps,
// or ends on a pixel's edge or a few floats beside it, and the scale
// changes on the way.
struct Walk {
    std::mt19937 random{20261207};
    float x[2] = {0, 0}, y[2] = {0, 0};

    // A number from −1 to 1 in thousandths.
    float unit() { return static_cast<float>(static_cast<int>(random() % 2001) - 1000) / 1000; }
    // A float at most two floats from where an edge between pixels falls,
    // `pixels` pixels from the scale's first edge to its second.
    float nearEdge(float first, float second, int pixels) {
        const auto edge = static_cast<int>(random() % (pixels + 3)) - 1;
        auto v = static_cast<float>(first + (static_cast<double>(second) - first) * edge / pixels);
        for (auto ulps = random() % 5; ulps-- > 0;) {
            v = std::nextafter(v, ulps % 2 == 0 ? 1e30f : -1e30f);
        }
        return v;
    }
    // The next end of polyline `which` on a scale, a short step most times.
    void next(int which, const float scale[4]) {
        const float reach = (scale[2] - scale[0]) / width;  // user units a pixel
        const auto choice = random() % 100;
        if (choice < 3) {
            x[which] = scale[0] + unit() * reach * 20;  // a leap, on the picture or off it
            y[which] = scale[3] + unit() * reach * 20;
        } else if (choice < 4) {
            x[which] = unit() * reach * 4e6f;  // beyond the reach of the far-off region
        } else if (choice < 30) {
            x[which] = nearEdge(scale[0], scale[2], width);
            y[which] = nearEdge(scale[1], scale[3], height);
        } else {
            x[which] += unit() * reach * 0.4f;
            y[which] += unit() * reach * 0.4f;
        }
    }
};

// Every line a trail paints leaves the pixels and the drawing position as
// the pen's own line does: steps within a pixel, across pixels, along and
// over the edges, near the picture and far off it, past a million pixels
// off, at scales whose vertical runs either way.
TEST(ViewsPixelTrail, PaintsWhatThePensLinePaints) {
    const float scales[][4] = {{0, 5, 7, 0}, {-3.5f, -2.5f, 3.5f, 2.5f}, {1e-3f, 2e-3f, 3e-3f, 0}};
    Pixels direct, trailed;
    PixelTrail trails[2];
    Walk walk;
    for (int line = 0; line < 60000; ++line) {
        const float* scale = scales[line / 20000];
        if (line % 20000 == 0) {
            direct.pen.setScale(scale[0], scale[1], scale[2], scale[3]);
            trailed.pen.setScale(scale[0], scale[1], scale[2], scale[3]);
        }
        const int which = line % 2;
        const float x1 = line % 997 == 0 ? walk.unit() : walk.x[which];
        const float y1 = walk.y[which];
        walk.next(which, scale);
        const int colour = line % 5 == 0 ? 3 : 14 - which;
        direct.pen.line(x1, y1, walk.x[which], walk.y[which], colour);
        trails[which].line(trailed.pen, x1, y1, walk.x[which], walk.y[which], colour);
        ASSERT_EQ(trailed.bits, direct.bits) << "line " << line;
        ASSERT_EQ(trailed.pen.x, direct.pen.x);
        ASSERT_EQ(trailed.pen.y, direct.pen.y);
    }
}

// A point that maps to no number paints nothing, nor breaks the trail.
TEST(ViewsPixelTrail, APointOfNoNumberPaintsWhatThePenPaints) {
    Pixels direct, trailed;
    PixelTrail trail;
    for (Pixels* p : {&direct, &trailed}) p->pen.setScale(0, 5, 7, 0);
    const float nan = std::nanf("");
    const float points[][2] = {{1.5f, 1.5f}, {1.6f, 1.5f}, {nan, 1.5f}, {1.6f, nan}, {2.5f, 2.5f}};
    for (std::size_t i = 0; i < std::size(points); ++i) {
        direct.pen.lineTo(points[i][0], points[i][1], 14);
        trail.line(trailed.pen, trailed.pen.x, trailed.pen.y, points[i][0], points[i][1], 14);
        ASSERT_EQ(trailed.bits, direct.bits) << i;
    }
}

}  // namespace
}  // namespace tarvo::views
