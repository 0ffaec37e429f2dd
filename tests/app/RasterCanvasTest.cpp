#include <gtest/gtest.h>

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "app/RasterCanvas.h"
#include "views/Palette.h"

namespace tarvo::app {
namespace {

QRgb rgbOf(views::Rgb c) {
    return qRgb(c.r, c.g, c.b);
}
QRgb rgbOf(int index) {
    return rgbOf(views::paletteColour(index));
}

// A canvas of 100 × 100 pixels whose user units are its pixels, y upwards:
// the point (x, y) falls in pixel column x, row 100 − y.
RasterCanvas pixelCanvas(views::Rgb background, int size = 100) {
    RasterCanvas canvas(background, size);
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
            if (image.pixel(x, y) != rgbOf(background)) out.push_back({x, y, image.pixel(x, y)});
        }
    }
    return out;
}

// Equal images, or where the first pixel differs.
::testing::AssertionResult sameImage(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return ::testing::AssertionFailure() << "sizes differ";
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                return ::testing::AssertionFailure()
                       << "pixel (" << x << ", " << y << ") is "
                       << QColor(a.pixel(x, y)).name().toStdString() << ", not "
                       << QColor(b.pixel(x, y)).name().toStdString();
            }
        }
    }
    return ::testing::AssertionSuccess();
}

struct ColourCase {
    int colour;
    views::Rgb background;
};

void PrintTo(const ColourCase& c, std::ostream* os) {
    *os << "colour " << c.colour;
}

class PaletteLines : public ::testing::TestWithParam<ColourCase> {};

// A horizontal line at user y 50 from x 10 to 90 and a vertical one at x 95
// from y 20 to 80: 81 + 61 pixels in the palette colour, nothing else.
TEST_P(PaletteLines, LandOnTheirPixelsOverTheBackground) {
    const ColourCase c = GetParam();
    RasterCanvas canvas = pixelCanvas(c.background);
    canvas.line(10, 50, 90, 50, c.colour);
    canvas.line(95, 20, 95, 80, c.colour);
    const auto drawn = drawnPixels(canvas.image(), c.background);
    ASSERT_EQ(drawn.size(), 81u + 61u);
    for (const Pixel& p : drawn) {
        EXPECT_EQ(p.colour, rgbOf(c.colour)) << p.x << "," << p.y;
        const bool horizontal = p.y == 50 && p.x >= 10 && p.x <= 90;
        const bool vertical = p.x == 95 && p.y >= 20 && p.y <= 80;
        EXPECT_TRUE(horizontal || vertical) << p.x << "," << p.y;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Colours, PaletteLines,
    ::testing::Values(ColourCase{views::colour::brightWhite, views::drawingBackground},
                      ColourCase{views::colour::yellow, views::drawingBackground},
                      ColourCase{views::colour::lightMagenta, views::drawingBackground},
                      ColourCase{views::colour::lightRed, views::magnifiedBackground},
                      ColourCase{views::colour::lightGreen, views::magnifiedBackground}));

TEST(RasterCanvas, BackgroundsAreDarkAndLightGrey) {
    EXPECT_EQ(RasterCanvas(views::drawingBackground, 10).image().pixel(3, 3), qRgb(64, 64, 64));
    EXPECT_EQ(RasterCanvas(views::magnifiedBackground, 10).image().pixel(3, 3),
              qRgb(224, 224, 224));
}

TEST(RasterCanvas, PlotIsOneBlackPixelAndMovesThePosition) {
    RasterCanvas canvas = pixelCanvas(views::magnifiedBackground);
    canvas.plot(20.5, 70.5);
    const auto plotted = drawnPixels(canvas.image(), views::magnifiedBackground);
    ASSERT_EQ(plotted.size(), 1u);
    EXPECT_EQ(plotted[0].x, 20);
    EXPECT_EQ(plotted[0].y, 29);
    EXPECT_EQ(plotted[0].colour, qRgb(0, 0, 0));
    canvas.lineTo(40.5, 70.5, views::colour::lightRed);
    const auto drawn = drawnPixels(canvas.image(), views::magnifiedBackground);
    EXPECT_EQ(drawn.size(), 21u);
    for (const Pixel& p : drawn) EXPECT_EQ(p.y, 29);
}

TEST(RasterCanvas, DrawingWhileHiddenIsKept) {
    RasterCanvas canvas = pixelCanvas(views::drawingBackground);
    canvas.setVisible(false);
    canvas.line(10, 50, 90, 50, views::colour::yellow);
    EXPECT_FALSE(canvas.visible());
    canvas.setVisible(true);
    EXPECT_TRUE(canvas.visible());
    EXPECT_EQ(canvas.image().pixel(50, 50), rgbOf(views::colour::yellow));
    canvas.resize(200);  // the shown view takes the size of its place
    EXPECT_EQ(canvas.image().pixel(100, 100), rgbOf(views::colour::yellow));
}

// Growing the view draws everything again from the user coordinates: a line
// stays one pixel wide, and each part keeps the scale it was drawn with.
TEST(RasterCanvas, ResizeRendersAgainRatherThanScalingPixels) {
    RasterCanvas canvas = pixelCanvas(views::drawingBackground);
    canvas.line(10, 50, 90, 50, views::colour::yellow);
    canvas.line(10, 10, 40, 40, views::colour::brightWhite);
    canvas.setScale(0, 200, 200, 0);  // later drawing at half the size
    canvas.line(0, 10, 180, 10, views::colour::lightMagenta);
    canvas.resize(200);

    const QImage& image = canvas.image();
    ASSERT_EQ(image.width(), 200);
    int yellow = 0, white = 0, magenta = 0;
    for (const Pixel& p : drawnPixels(image, views::drawingBackground)) {
        if (p.colour == rgbOf(views::colour::yellow)) {
            ++yellow;
            EXPECT_EQ(p.y, 100);
            EXPECT_GE(p.x, 20);
            EXPECT_LE(p.x, 180);
        } else if (p.colour == rgbOf(views::colour::brightWhite)) {
            ++white;
            EXPECT_EQ(p.x + p.y, 200);  // from (20, 180) to (80, 120)
        } else if (p.colour == rgbOf(views::colour::lightMagenta)) {
            ++magenta;
            EXPECT_EQ(p.y, 190);
        }
    }
    EXPECT_EQ(yellow, 161);
    EXPECT_EQ(white, 61);
    EXPECT_EQ(magenta, 181);
    // The same again when shrunk back, and as a snapshot at another size.
    canvas.resize(100);
    EXPECT_EQ(canvas.image().pixel(50, 50), rgbOf(views::colour::yellow));
    EXPECT_EQ(canvas.snapshot(300).pixel(150, 150), rgbOf(views::colour::yellow));
    EXPECT_EQ(canvas.snapshot(300).pixel(150, 149), rgbOf(views::drawingBackground));
}

TEST(RasterCanvas, ClearWipesTheDrawingButKeepsLabelsAndScale) {
    const auto bg = views::drawingBackground;
    RasterCanvas canvas = pixelCanvas(bg);
    canvas.label(360, 3600, "X");
    canvas.line(10, 50, 90, 50, views::colour::yellow);
    const QImage before = canvas.image().copy();
    canvas.clear();
    EXPECT_TRUE(drawnPixels(canvas.image(), bg).empty());
    canvas.resize(200);
    EXPECT_TRUE(drawnPixels(canvas.image(), bg).empty()) << "a cleared line came back";
    canvas.resize(100);

    canvas.line(10, 50, 90, 50, views::colour::yellow);
    EXPECT_TRUE(sameImage(canvas.image(), before));
    EXPECT_TRUE(canvas.svg(100).contains(">X</text>"));
    // The label stands 360 × 3600 twips in, about (24, 240) at 481 pixels.
    const QImage shot = canvas.snapshot(481);
    int bright = 0;
    for (int y = 236; y < 260; ++y) {
        for (int x = 20; x < 40; ++x) bright += qRed(shot.pixel(x, y)) > 160 ? 1 : 0;
    }
    EXPECT_GT(bright, 3);
}

// The magnified view replays its lists as polylines; the picture must be the
// one the single lines would give, also where a step stays in one pixel and
// where the polyline starts on a plotted point.
struct PolylineCase {
    std::string name;
    std::function<void(views::Canvas&)> before;
    std::size_t stride;
    std::size_t count = 11;  // points of the lists below
};

void PrintTo(const PolylineCase& c, std::ostream* os) {
    *os << c.name;
}

class Polyline : public ::testing::TestWithParam<PolylineCase> {};

TEST_P(Polyline, DrawsWhatTheEquivalentLinesDraw) {
    const std::vector<double> xs{5.2, 5.4, 10.3, 10.6, 50, 60.5, 90, 20, 20.1, -30, 70};
    const std::vector<double> ys{5.3, 5.1, 10.3, 10.4, 80, 60.2, 15, 20, 20.2, 150, 70};
    RasterCanvas one = pixelCanvas(views::magnifiedBackground);
    RasterCanvas many = pixelCanvas(views::magnifiedBackground);
    GetParam().before(one);
    GetParam().before(many);
    const std::size_t count = GetParam().count;
    one.polylineTo(xs.data(), ys.data(), count, GetParam().stride, views::colour::lightRed);
    for (std::size_t i = 0; i < count; i += GetParam().stride) {
        many.lineTo(static_cast<float>(xs[i]), static_cast<float>(ys[i]), views::colour::lightRed);
    }
    EXPECT_TRUE(sameImage(one.image(), many.image()));
    EXPECT_EQ(one.svg(100), many.svg(100));
    one.resize(250);
    many.resize(250);
    EXPECT_TRUE(sameImage(one.image(), many.image()));
}

INSTANTIATE_TEST_SUITE_P(
    Starts, Polyline,
    ::testing::Values(
        PolylineCase{"FromAPlottedPoint", [](views::Canvas& c) { c.plot(5.2f, 5.3f); }, 1},
        PolylineCase{"FromAPlottedPointEveryThird", [](views::Canvas& c) { c.plot(5.2f, 5.3f); },
                     3},
        // A cut of one recorded point: a line of no length onto the plotted point.
        PolylineCase{"OnePointOnAPlottedPoint", [](views::Canvas& c) { c.plot(5.2f, 5.3f); }, 1, 1},
        PolylineCase{"TwoPointsInOnePixel", [](views::Canvas& c) { c.plot(5.2f, 5.3f); }, 1, 2},
        PolylineCase{"ContinuingALineOfItsColour",
                     [](views::Canvas& c) { c.line(40, 40, 5.2f, 5.3f, views::colour::lightRed); },
                     1},
        PolylineCase{"AfterALineOfAnotherColour",
                     [](views::Canvas& c) { c.line(40, 40, 5, 5, views::colour::lightGreen); }, 2}),
    [](const auto& test) { return test.param.name; });

// Panning a magnified view far away or a large magnification puts points
// very far outside: they are clipped, not walked pixel by pixel.
TEST(RasterCanvas, LinesFarOutsideAreClipped) {
    const float far = 1e12f;
    RasterCanvas canvas = pixelCanvas(views::drawingBackground);
    canvas.line(1e9f, 5, 2e9f, 5, views::colour::yellow);  // wholly outside
    canvas.line(-far, 30, far, 30, views::colour::yellow);
    canvas.line(20, far, 20, -far, views::colour::lightMagenta);
    canvas.line(-far, -far, far, far, views::colour::brightWhite);
    canvas.resize(150);  // and all of it again

    const QImage& image = canvas.image();
    int white = 0;
    for (const Pixel& p : drawnPixels(image, views::drawingBackground)) {
        if (p.colour == rgbOf(views::colour::yellow)) {
            EXPECT_EQ(p.y, 105);
        }
        if (p.colour == rgbOf(views::colour::lightMagenta)) {
            EXPECT_EQ(p.x, 30);
        }
        if (p.colour == rgbOf(views::colour::brightWhite)) {
            ++white;
            EXPECT_LE(std::abs(p.x + p.y - 150), 1) << p.x << "," << p.y;
        }
    }
    EXPECT_GE(white, 148);
    EXPECT_EQ(image.pixel(0, 105), rgbOf(views::colour::yellow));
    EXPECT_EQ(image.pixel(149, 105), rgbOf(views::colour::yellow));
    EXPECT_EQ(image.pixel(30, 0), rgbOf(views::colour::lightMagenta));
    EXPECT_EQ(image.pixel(30, 149), rgbOf(views::colour::lightMagenta));
}

// Whatever the coordinates, drawing ends, also when the view draws it all again.
TEST(RasterCanvas, BoundlessCoordinatesNeitherHangNorCrash) {
    const float max = std::numeric_limits<float>::max(),
                inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    RasterCanvas canvas = pixelCanvas(views::drawingBackground);
    canvas.line(-1e30f, -1e30f, 1e30f, 1e30f, views::colour::brightWhite);
    canvas.line(-max, 30, max, 30, views::colour::yellow);
    canvas.line(inf, 0, 0, 0, views::colour::lightMagenta);
    canvas.line(nan, 0, 50, 50, views::colour::lightMagenta);
    canvas.lineTo(inf, -inf, views::colour::lightMagenta);
    canvas.plot(nan, inf);
    const double xs[] = {-inf, 1e38, nan, 50};
    const double ys[] = {0, -1e38, 1, 50};
    canvas.polylineTo(xs, ys, 4, 1, views::colour::yellow);
    canvas.resize(150);
    (void)canvas.snapshot(300);
    EXPECT_FALSE(canvas.svg(100).isEmpty());
}

TEST(RasterCanvas, SvgHoldsTheLinesInTheirColours) {
    RasterCanvas plan = pixelCanvas(views::drawingBackground);
    plan.line(10, 50, 90, 50, views::colour::yellow);
    plan.lineTo(90, 10, views::colour::yellow);
    plan.line(0, 0, 20, 20, views::colour::brightWhite);
    plan.line(30, 30, 40, 30, views::colour::lightMagenta);
    plan.label(6840, 3720, "X");
    const QString svg = plan.svg(200);
    EXPECT_TRUE(svg.startsWith("<svg")) << svg.toStdString();
    EXPECT_TRUE(svg.contains("fill=\"#404040\""));
    EXPECT_TRUE(svg.contains("stroke=\"#ffff00\" points=\"20,100 180,100 180,180\""))
        << svg.toStdString();
    EXPECT_TRUE(svg.contains("stroke=\"#ffffff\" points=\"0,200 40,160\""));
    EXPECT_TRUE(svg.contains("stroke=\"#ff00ff\""));
    EXPECT_TRUE(svg.contains(">X</text>"));

    RasterCanvas cut = pixelCanvas(views::magnifiedBackground);
    cut.line(10, 10, 20, 20, views::colour::lightRed);
    cut.line(10, 10, 20, 30, views::colour::lightGreen);
    const QString magnified = cut.svg(100);
    EXPECT_TRUE(magnified.contains("fill=\"#e0e0e0\""));
    EXPECT_TRUE(magnified.contains("stroke=\"#ff0000\""));
    EXPECT_TRUE(magnified.contains("stroke=\"#00ff00\""));
}

}  // namespace
}  // namespace tarvo::app

// The labels need fonts, and fonts need a GUI application; it runs without a
// display.
int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
