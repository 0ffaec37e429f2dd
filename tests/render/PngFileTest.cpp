#include <gtest/gtest.h>

#include <QImage>

#include "render/PngFile.h"
#include "support/Scratch.h"

namespace tarvo::render {
namespace {

// Saved and read back as the runner and the window save a picture.
QImage roundTrip(const QImage& image, QImage::Format& saved) {
    const test::Scratch scratch;
    const QString path = QString::fromStdString(scratch.path("view.png"));
    EXPECT_TRUE(writePng(image, path));
    const QImage read(path);
    saved = read.format();
    return read.convertToFormat(QImage::Format_RGB32);
}

// A picture of 256 colours goes into a PNG with a colour table, one of 257
// into a true-colour PNG; either comes back pixel for pixel.
TEST(PngFile, KeepsEveryPixelWithATableWhereOneHoldsThem) {
    for (const int colours : {1, 256, 257, 70'000}) {
        QImage image(300, 240, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int c = (y * image.width() + x) % colours;
                image.setPixel(x, y, qRgb(c & 255, (c >> 8) & 255, 7));
            }
        }
        QImage::Format saved{};
        EXPECT_TRUE(roundTrip(image, saved) == image) << colours;
        EXPECT_EQ(saved == QImage::Format_Indexed8, colours <= 256) << colours;
    }
}

}  // namespace
}  // namespace tarvo::render
