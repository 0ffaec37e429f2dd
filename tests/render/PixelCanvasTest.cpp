#include <gtest/gtest.h>

#include <QImage>
#include <string>

#include "interp/Machine.h"
#include "interp/Panel.h"
#include "render/PixelCanvas.h"
#include "render/RasterCanvas.h"
#include "support/Programs.h"
#include "support/Scratch.h"
#include "views/Palette.h"

namespace tarvo::render {
namespace {

// A cut below the surface in all four quadrants, arcs both ways, a line
// partly out of the plan view (80 mm each way) and a rapid move above the
// surface.
const std::string cut =
    "%\nG90G00X0Y0Z1\nG01Z-1\nG01X10Y0\nG02X-10Y0I-10J0\nG03X10Y0I10J0\nG01X95Y-30\n"
    "G01X-20Y-30Z-2\nG02X-20Y30I0J30\nG00Z5\nG00X40Y40\nG01Z-3\nX45Y45\nG00Z60\n%\n";

// A machine drawing into three views, canvases of one kind and size.
template <typename C>
struct DrawingMachine {
    explicit DrawingMachine(int size)
        : linez(views::drawingBackground, size),
          linep(views::drawingBackground, size),
          liner(views::magnifiedBackground, size) {}
    C linez, linep, liner;
    interp::SilentPanel panel;
    interp::Machine machine{panel, {linez, linep, liner}};
};

bool drawsIn(const QImage& image, views::Rgb colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == views::pixelOf(colour)) return true;
        }
    }
    return false;
}

// What the runner saves as PNG: painted straight into pixels, every view is
// the picture a recording canvas of that size renders, pixel for pixel, labels
// and all, at a pulse equivalent whose steps mostly stay in one pixel and at
// one whose steps cross pixels, with lines clipped at the view's edges.
TEST(PixelCanvas, PaintsWhatTheRecordedDrawingShows) {
    for (const double dl : {0.01, 0.5}) {
        for (const int size : {150, 481}) {
            SCOPED_TRACE("dl " + std::to_string(dl) + ", size " + std::to_string(size));
            DrawingMachine<PixelCanvas> pixels(size);
            DrawingMachine<RasterCanvas> lines(size);
            const auto same = [&](const char* when) {
                EXPECT_TRUE(pixels.linep.snapshot() == lines.linep.snapshot(size)) << when;
                EXPECT_TRUE(pixels.linez.snapshot() == lines.linez.snapshot(size)) << when;
                EXPECT_TRUE(pixels.liner.snapshot() == lines.liner.snapshot(size)) << when;
            };
            for (interp::Machine* m : {&pixels.machine, &lines.machine}) {
                test::runToEnd(*m, cut, test::withDl(dl));
                m->panmode();
            }
            same("in pan mode");
            for (interp::Machine* m : {&pixels.machine, &lines.machine}) {
                m->rotmode();
                m->pointerMoved(views::Buttons::None, 0, 0);
                m->pointerMoved(views::Buttons::LeftAlone, 40, -25);
            }
            same("turned");
            const auto drawn = [](const QImage& image, int colour) {
                return drawsIn(image, views::paletteColour(colour));
            };
            EXPECT_TRUE(drawn(pixels.linep.snapshot(), views::colour::yellow));
            EXPECT_TRUE(drawn(pixels.linez.snapshot(), views::colour::lightMagenta));
            EXPECT_TRUE(drawn(pixels.liner.snapshot(), views::colour::lightGreen));
        }
    }
}

// A later scale and a clear apply as they do to a recording canvas; the PNG
// file holds the snapshot, and a file that cannot be written is told.
TEST(PixelCanvas, SavesItsSnapshotAsPng) {
    PixelCanvas pixels(views::drawingBackground, 100);
    RasterCanvas lines(views::drawingBackground, 100);
    for (views::Canvas* c :
         {static_cast<views::Canvas*>(&pixels), static_cast<views::Canvas*>(&lines)}) {
        c->setScale(0, 100, 100, 0);
        c->line(-1e12f, 30, 1e12f, 30, views::colour::yellow);
        c->clear();
        c->plot(20.5f, 70.5f);
        c->lineTo(40.5f, 70.5f, views::colour::lightRed);
        c->setScale(0, 200, 200, 0);
        c->line(10, 10, 150, 190, views::colour::brightWhite);
        c->label(360, 3600, "X");
    }
    EXPECT_TRUE(pixels.snapshot() == lines.snapshot(100));
    EXPECT_FALSE(drawsIn(pixels.snapshot(), views::paletteColour(views::colour::yellow)));
    const test::Scratch scratch;
    ASSERT_TRUE(pixels.savePng(QString::fromStdString(scratch.path("plan.png"))));
    EXPECT_TRUE(QImage(QString::fromStdString(scratch.path("plan.png")))
                    .convertToFormat(QImage::Format_RGB32) == pixels.snapshot());
    EXPECT_FALSE(pixels.savePng(QString::fromStdString(scratch.path("no-such-dir/plan.png"))));
}

}  // namespace
}  // namespace tarvo::render
