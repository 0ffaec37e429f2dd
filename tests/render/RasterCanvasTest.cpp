#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "render/RasterCanvas.h"
#include "views/Palette.h"

namespace tarvo::render {
namespace {

using namespace views::colour;
const views::Rgb dark = views::drawingBackground, light = views::magnifiedBackground;

QRgb rgbOf(int index) {
    const views::Rgb c = views::paletteColour(index);
    return qRgb(c.r, c.g, c.b);
}

// A 100 × 100 pixel canvas in pixel units, y upwards: (x, y) falls in column x, row 100 − y.
RasterCanvas pixelCanvas(views::Rgb background) {
    RasterCanvas canvas(background, 100);
    canvas.setScale(0, 100, 100, 0);
    return canvas;
}

// Every pixel that is not the background, as (column, row, colour).
struct Pixel {
    int x, y;
    QRgb colour;
};
std::vector<Pixel> drawnPixels(const QImage& image, views::Rgb background) {
    std::vector<Pixel> out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (c != qRgb(background.r, background.g, background.b)) out.push_back({x, y, c});
        }
    }
    return out;
}

// Lines, a point and a line on from it fill exactly their pixels.
TEST(RasterCanvas, LinesAndPointsLandOnTheirPixels) {
    RasterCanvas canvas = pixelCanvas(light);
    canvas.line(10, 50, 90, 50, lightRed);
    canvas.line(95, 20, 95, 80, lightRed);
    canvas.plot(20.5, 70.5);
    EXPECT_EQ(drawnPixels(canvas.image(), light).size(), 81u + 61u + 1u);
    EXPECT_EQ(canvas.image().pixel(20, 29), qRgb(0, 0, 0));
    canvas.lineTo(40.5, 70.5, lightRed);
    const auto drawn = drawnPixels(canvas.image(), light);
    EXPECT_EQ(drawn.size(), 81u + 61u + 21u);
    for (const Pixel& p : drawn) {
        EXPECT_EQ(p.colour, rgbOf(lightRed)) << p.x << "," << p.y;
        EXPECT_TRUE((p.y == 50 && p.x >= 10 && p.x <= 90) ||
                    (p.x == 95 && p.y >= 20 && p.y <= 80) || (p.y == 29 && p.x >= 20 && p.x <= 40))
            << p.x << "," << p.y;
    }
}

// Drawn while hidden; a new size redraws each part at the scale it was drawn with.
TEST(RasterCanvas, KeepsDrawingWhileHiddenAndRendersAgainAtANewSize) {
    const auto draw = [](RasterCanvas& c) {
        c.setScale(0, 100, 100, 0);
        c.line(10, 50, 90, 50, yellow);
        c.line(10, 10, 40, 40, brightWhite);
        c.setScale(0, 200, 200, 0);  // later drawing at half the size
        c.line(0, 10, 180, 10, lightMagenta);
    };
    RasterCanvas canvas(dark, 100), big(dark, 200);
    canvas.setVisible(false);
    draw(canvas);
    draw(big);
    canvas.setVisible(true);
    EXPECT_EQ(canvas.image().pixel(50, 50), rgbOf(yellow));
    canvas.resize(200);  // the shown view takes the size of its place
    EXPECT_TRUE(canvas.image() == big.image());
    EXPECT_EQ(drawnPixels(big.image(), dark).size(), 161u + 61u + 181u);
    EXPECT_EQ(big.image().pixel(100, 100), rgbOf(yellow));
    canvas.resize(100);
    EXPECT_EQ(canvas.image().pixel(50, 50), rgbOf(yellow));
    EXPECT_EQ(canvas.snapshot(300).pixel(150, 150), rgbOf(yellow));
    EXPECT_EQ(canvas.snapshot(300).pixel(150, 149), qRgb(64, 64, 64));
}

// Clearing wipes the drawing for good, scale and labels stay.
TEST(RasterCanvas, ClearWipesTheDrawingButKeepsLabelsAndScale) {
    RasterCanvas canvas = pixelCanvas(dark);
    canvas.label(360, 3600, "X");
    canvas.line(10, 50, 90, 50, yellow);
    const QImage before = canvas.image().copy();
    canvas.clear();
    EXPECT_TRUE(drawnPixels(canvas.image(), dark).empty());
    canvas.resize(200);
    EXPECT_TRUE(drawnPixels(canvas.image(), dark).empty()) << "a cleared line came back";
    canvas.resize(100);

    canvas.line(10, 50, 90, 50, yellow);
    EXPECT_TRUE(canvas.image() == before);
    EXPECT_TRUE(canvas.svg(200).contains(">X</text>"));
}

// A polyline draws what its single lines would, also within one pixel or from a plotted point.
TEST(RasterCanvas, PolylineDrawsWhatTheEquivalentLinesDraw) {
    const std::vector<double> xs{5.2, 5.4, 10.3, 10.6, 50, 60.5, 90, 20, 20.1, -30, 70};
    const std::vector<double> ys{5.3, 5.1, 10.3, 10.4, 80, 60.2, 15, 20, 20.2, 150, 70};
    const auto plotted = [](views::Canvas& c) { c.plot(5.2f, 5.3f); };
    const struct {
        const char* start;
        std::function<void(views::Canvas&)> before;
        std::size_t stride, count;
    } cases[] = {{"from a plotted point", plotted, 1, 11},
                 {"every third from a plotted point", plotted, 3, 11},
                 {"one point on a plotted point", plotted, 1, 1},  // a line of no length
                 {"two points in one pixel", plotted, 1, 2},
                 {"continuing a line of its colour",
                  [](views::Canvas& c) { c.line(40, 40, 5.2f, 5.3f, lightRed); }, 1, 11},
                 {"after a line of another colour",
                  [](views::Canvas& c) { c.line(40, 40, 5, 5, lightGreen); }, 2, 11}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        RasterCanvas one = pixelCanvas(light), many = pixelCanvas(light);
        c.before(one);
        c.before(many);
        one.polylineTo(xs.data(), ys.data(), c.count, c.stride, lightRed);
        for (std::size_t i = 0; i < c.count; i += c.stride) {
            many.lineTo(static_cast<float>(xs[i]), static_cast<float>(ys[i]), lightRed);
        }
        EXPECT_TRUE(one.image() == many.image());
        one.resize(250);
        many.resize(250);
        EXPECT_TRUE(one.image() == many.image());
    }
}

// Far points are clipped, not walked pixel by pixel; no coordinates hang.
TEST(RasterCanvas, FarLinesAreClippedAndNoCoordinatesHang) {
    const float far = 1e12f, max = std::numeric_limits<float>::max();
    const float inf = std::numeric_limits<float>::infinity(),
                nan = std::numeric_limits<float>::quiet_NaN();
    RasterCanvas canvas = pixelCanvas(dark);
    canvas.line(1e9f, 5, 2e9f, 5, yellow);  // wholly outside
    canvas.line(-far, 30, far, 30, yellow);
    canvas.line(20, far, 20, -far, lightMagenta);
    canvas.line(-far, -far, far, far, brightWhite);
    canvas.resize(150);  // and all of it again

    int count[16] = {};
    for (const Pixel& p : drawnPixels(canvas.image(), dark)) {
        for (const int c : {yellow, lightMagenta, brightWhite}) count[c] += p.colour == rgbOf(c);
        EXPECT_TRUE(p.colour != rgbOf(yellow) || p.y == 105) << p.x << "," << p.y;
        EXPECT_TRUE(p.colour != rgbOf(lightMagenta) || p.x == 30) << p.x << "," << p.y;
        EXPECT_TRUE(p.colour != rgbOf(brightWhite) || std::abs(p.x + p.y - 150) <= 1)
            << p.x << "," << p.y;
    }
    for (const int c : {yellow, lightMagenta, brightWhite}) {
        EXPECT_GE(count[c], 148) << c;  // edge to edge
    }

    canvas.line(-max, 30, max, 30, yellow);
    canvas.line(inf, 0, 0, 0, lightMagenta);
    canvas.line(nan, 0, 50, 50, lightMagenta);
    canvas.lineTo(inf, -inf, lightMagenta);
    canvas.plot(nan, inf);
    const double xs[] = {-inf, 1e38, nan, 50}, ys[] = {0, -1e38, 1, 50};
    canvas.polylineTo(xs, ys, 4, 1, yellow);
    canvas.resize(300);
    (void)canvas.snapshot(200);
    EXPECT_FALSE(canvas.svg(100).isEmpty());
}

}  // namespace
}  // namespace tarvo::render

// Labels need fonts, fonts a GUI application, offscreen.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
