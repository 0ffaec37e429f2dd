#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <functional>
#include <limits>
#include <vector>

#include "render/RasterCanvas.h"
#include "views/Palette.h"

namespace tarvo::render {
namespace {

using namespace views::colour;
const views::Rgb dark = views::drawingBackground, light = views::magnifiedBackground;

// A 100 × 100 pixel canvas in pixel units, y upwards: (x, y) falls in column x, row 100 − y.
RasterCanvas pixelCanvas(views::Rgb background) {
    RasterCanvas canvas(background, 100);
    canvas.setScale(0, 100, 100, 0);
    return canvas;
}

// Every kind of drawing: lines, a point and a line on from it, lines from far beyond the view
// (clipped, not walked pixel by pixel), and later drawing at half the size.
void drawScene(RasterCanvas& c) {
    const float far = 1e12f;
    c.setScale(0, 100, 100, 0);
    c.line(10, 50, 90, 50, yellow);
    c.line(95, 20, 95, 80, lightRed);
    c.plot(20.5, 70.5);
    c.lineTo(40.5, 70.5, lightRed);
    c.plot(70.5, 80.5);
    c.line(1e9f, 5, 2e9f, 5, yellow);
    c.line(-far, 30, far, 30, yellow);
    c.line(60, far, 60, -far, lightMagenta);
    c.line(-far, -far, far, far, brightWhite);
    c.setScale(0, 200, 200, 0);
    c.line(0, 180, 180, 180, lightMagenta);
}

// The picture must be the recorded one in tests/data/raster (TARVO_RECORD=1 records it anew).
void expectRecorded(const QImage& image, const QString& name) {
    const QString path = QStringLiteral(TARVO_TEST_DATA "/raster/") + name;
    if (qEnvironmentVariableIsSet("TARVO_RECORD")) {
        ASSERT_TRUE(image.save(path));
    }
    EXPECT_TRUE(image.convertToFormat(QImage::Format_RGB32) ==
                QImage(path).convertToFormat(QImage::Format_RGB32))
        << name.toStdString();
}

// Drawn while hidden, shown as recorded; a new size redraws each part at the scale it was drawn
// with, as a canvas of that size drawing it afresh does.
TEST(RasterCanvas, DrawsTheRecordedPictureAtEverySize) {
    RasterCanvas canvas(dark, 100), big(dark, 250);
    canvas.setVisible(false);
    drawScene(canvas);
    canvas.setVisible(true);
    drawScene(big);
    expectRecorded(canvas.image(), QStringLiteral("scene-100.png"));
    expectRecorded(canvas.snapshot(300), QStringLiteral("scene-300.png"));
    canvas.resize(250);
    EXPECT_TRUE(canvas.image() == big.image());
    expectRecorded(big.image(), QStringLiteral("scene-250.png"));
    EXPECT_FALSE(canvas.svg(100).isEmpty());
}

// Clearing wipes the drawing for good, at any size; scale and labels stay. Coordinates no line
// can reach hang nothing.
TEST(RasterCanvas, ClearWipesTheDrawingButKeepsLabelsAndScale) {
    const float max = std::numeric_limits<float>::max();
    const float inf = std::numeric_limits<float>::infinity(),
                nan = std::numeric_limits<float>::quiet_NaN();
    RasterCanvas canvas = pixelCanvas(dark), fresh = pixelCanvas(dark);
    canvas.label(360, 3600, "X");
    canvas.line(-max, 10, max, 10, yellow);
    canvas.line(inf, 0, 0, 0, lightMagenta);
    canvas.line(nan, 0, 50, 50, lightMagenta);
    canvas.lineTo(inf, -inf, lightMagenta);
    canvas.plot(nan, inf);
    const double xs[] = {-inf, 1e38, nan, 50}, ys[] = {0, -1e38, 1, 50};
    canvas.polylineTo(xs, ys, 4, 1, yellow);
    canvas.clear();
    canvas.line(10, 10, 40, 40, brightWhite);
    fresh.line(10, 10, 40, 40, brightWhite);
    for (const int size : {100, 200}) {
        canvas.resize(size);
        fresh.resize(size);
        EXPECT_TRUE(canvas.image() == fresh.image()) << "a cleared line came back at " << size;
    }
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

// Parts of a drawing one after another: a line and another going on with its run, a cut and its
// shadow drawn by turns, a point, a polyline, a change of scale and a line after it.
const double polylineXs[] = {40, 40.2, 45, 60, 60.1}, polylineYs[] = {30, 30.1, 35, 20, 20.3};
const std::function<void(RasterCanvas&)> parts[] = {
    [](RasterCanvas& c) { c.line(10, 50, 90, 50, yellow); },
    [](RasterCanvas& c) { c.lineTo(90, 10, yellow); },
    [](RasterCanvas& c) {
        c.line(10, 10, 20, 12, lightRed);
        c.line(10, 5, 20, 7, lightMagenta);
    },
    [](RasterCanvas& c) {
        c.line(20, 12, 30, 15, lightRed);
        c.line(20, 7, 30, 10, lightMagenta);
    },
    [](RasterCanvas& c) {
        c.line(30, 15, 40, 15, lightRed);
        c.line(30, 10, 40, 10, lightMagenta);
    },
    [](RasterCanvas& c) { c.plot(20.5, 70.5); },
    [](RasterCanvas& c) { c.lineTo(5, 95, lightRed); },
    [](RasterCanvas& c) { c.polylineTo(polylineXs, polylineYs, 5, 1, yellow); },
    [](RasterCanvas& c) { c.setScale(0, 200, 200, 0); },
    [](RasterCanvas& c) { c.lineTo(180, 180, lightMagenta); }};
const std::size_t unscaled = std::size(parts) - 2;  // no going back past a change of scale

// Rubbed out back to a mark, shown or hidden (rendered when shown), from the image kept at one of
// the two latest marks or from the record, a canvas shows what was drawn up to the mark and goes
// on from there as if nothing had come after; a clear in between leaves no going back.
TEST(RasterCanvas, RewindShowsWhatWasDrawnAtTheMark) {
    const auto drawnTo = [&](std::size_t count) {
        RasterCanvas c = pixelCanvas(dark);
        for (std::size_t i = 0; i < count; ++i) parts[i](c);
        return c.image();
    };
    for (const bool shown : {true, false}) {
        SCOPED_TRACE(shown ? "shown" : "hidden");
        RasterCanvas c = pixelCanvas(dark);
        c.setVisible(shown);
        std::vector<views::DrawingMark> marks;
        for (std::size_t i = 0; i < unscaled; ++i) {
            parts[i](c);
            marks.push_back(c.mark());
        }
        for (std::size_t back = marks.size() - 1; back-- > 0;) {
            ASSERT_TRUE(c.rewind(marks[back]));
            c.setVisible(true);
            EXPECT_TRUE(c.image() == drawnTo(back + 1)) << "back to mark " << back;
            c.setVisible(shown);
        }
        for (std::size_t i = 1; i < unscaled; ++i) parts[i](c);
        c.setVisible(true);
        EXPECT_TRUE(c.image() == drawnTo(unscaled));
        const views::DrawingMark before = c.mark();
        c.clear();
        EXPECT_FALSE(c.rewind(before));
    }
}

// A cut and its shadow on the surface drawn by turns, as the axonometric view draws a cut below
// the surface, cost two points a step and come back as they were drawn, line for line: at
// another size, in SVG, and from a mark taken before or after the two began taking turns.
TEST(RasterCanvas, LinesDrawnByTurnsAreKeptAsDrawn) {
    constexpr int steps = 50'000;
    const auto cut = [](int i) { return QPointF(10 + 80.0 * i / steps, 50 + i % 200 / 10.0); };
    const auto shadow = [&](int i) { return cut(i) - QPointF(0, 25 + i % 50 / 10.0); };
    const auto line = [](RasterCanvas& c, QPointF a, QPointF b, int colour) {
        c.line(float(a.x()), float(a.y()), float(b.x()), float(b.y()), colour);
    };
    const auto drawSteps = [&](RasterCanvas& c, int from, int to, bool markEach = false) {
        for (int i = from; i < to; ++i) {
            line(c, cut(i), cut(i + 1), lightRed);
            line(c, shadow(i), shadow(i + 1), lightMagenta);
            if (markEach) c.mark();  // a run that stood at a mark stays as it was
        }
    };
    RasterCanvas canvas = pixelCanvas(dark), apart = pixelCanvas(dark);
    drawSteps(canvas, 0, 1);
    const views::DrawingMark beforeTurns = canvas.mark();
    drawSteps(canvas, 1, steps / 2);
    const views::DrawingMark halfway = canvas.mark();
    drawSteps(canvas, steps / 2, steps);
    drawSteps(apart, 0, steps, true);
    EXPECT_LT(canvas.recordedBytes(), std::size_t{24} * steps);
    EXPECT_GT(apart.recordedBytes(), std::size_t{60} * steps);
    EXPECT_EQ(canvas.svg(100), apart.svg(100));
    canvas.resize(250);
    apart.resize(250);
    EXPECT_TRUE(canvas.image() == apart.image());
    canvas.resize(100);
    canvas.setVisible(true);
    for (const auto& [mark, drawn] : {std::pair{halfway, steps / 2}, std::pair{beforeTurns, 1}}) {
        RasterCanvas upTo = pixelCanvas(dark);
        drawSteps(upTo, 0, drawn);
        ASSERT_TRUE(canvas.rewind(mark));
        EXPECT_TRUE(canvas.image() == upTo.image()) << "back to step " << drawn;
        drawSteps(canvas, drawn, steps);
        drawSteps(upTo, drawn, steps);
        EXPECT_TRUE(canvas.image() == upTo.image()) << "on from step " << drawn;
    }
}

// Hidden, a canvas records what it draws and paints it once shown, picking up in the middle of a
// polyline, of lines drawn by turns or after a change of scale, as a canvas always shown paints.
TEST(RasterCanvas, ShownPaintsWhatItDrewWhileHidden) {
    const std::size_t count = std::size(parts);
    for (std::size_t hidden = 0; hidden < count; ++hidden)
        for (std::size_t shown = hidden + 1; shown <= count; ++shown) {
            RasterCanvas canvas = pixelCanvas(dark), always = pixelCanvas(dark);
            canvas.setVisible(true);
            always.setVisible(true);
            for (std::size_t i = 0; i < count; ++i) {
                if (i == hidden) canvas.setVisible(false);
                if (i == shown) canvas.setVisible(true);
                parts[i](canvas);
                parts[i](always);
            }
            canvas.setVisible(true);
            EXPECT_TRUE(canvas.image() == always.image()) << hidden << " to " << shown;
        }
}

// Every drawn pixel of one picture has a drawn pixel at or next to it in the other.
bool sameLines(const QImage& a, const QImage& b, QRgb background) {
    const auto near = [&](const QImage& image, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint p(x + dx, y + dy);
                if (image.rect().contains(p) && image.pixel(p) != background) return true;
            }
        return false;
    };
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if ((a.pixel(x, y) != background && !near(b, x, y)) ||
                (b.pixel(x, y) != background && !near(a, x, y)))
                return false;
        }
    return true;
}

// Past its budget a canvas goes on drawing, as a picture: live it shows what a canvas without a
// budget shows, its memory stays put however much more it draws, it shows the same lines at
// other sizes and in SVG, it goes back to no mark, and a clear starts it recording again.
TEST(RasterCanvas, PastItsBudgetGoesOnAsAPicture) {
    RasterCanvas bounded(dark, 100, 4096), unbounded = pixelCanvas(dark);
    bounded.setScale(0, 100, 100, 0);
    bounded.setVisible(true);
    unbounded.setVisible(true);
    const auto curve = [](RasterCanvas& c, int from, int to) {
        for (int i = from; i < to; ++i)
            c.lineTo(10 + 80 * float(i) / 6000, 50 + 30 * std::sin(float(i) * 0.003f), yellow);
    };
    const views::DrawingMark start = bounded.mark();
    curve(bounded, 0, 2000);
    curve(unbounded, 0, 2000);
    ASSERT_TRUE(bounded.keptAsPicture());
    const std::size_t bytes = bounded.recordedBytes();
    curve(bounded, 2000, 6000);
    curve(unbounded, 2000, 6000);
    EXPECT_EQ(bounded.recordedBytes(), bytes);
    EXPECT_TRUE(bounded.image() == unbounded.image());
    EXPECT_FALSE(bounded.rewind(start));
    EXPECT_FALSE(bounded.rewind(bounded.mark()));
    const QRgb background = qRgb(dark.r, dark.g, dark.b);
    for (const int size : {100, 333}) {
        EXPECT_TRUE(sameLines(bounded.snapshot(size), unbounded.snapshot(size), background))
            << size;
    }
    const QString svg = bounded.svg(100);
    EXPECT_TRUE(svg.contains(
        QStringLiteral("<image width=\"100\" height=\"100\" href=\"data:image/png;base64,")));
    EXPECT_FALSE(svg.contains(QStringLiteral("<polyline")));
    bounded.clear();
    EXPECT_FALSE(bounded.keptAsPicture());
    bounded.line(10, 10, 20, 20, yellow);
    EXPECT_TRUE(bounded.rewind(bounded.mark()));
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
