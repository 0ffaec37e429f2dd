#include "render/PixelCanvas.h"

#include <QPainter>

#include "render/PngFile.h"
#include "views/DrawingRecord.h"

namespace tarvo::render {

PixelCanvas::PixelCanvas(views::Rgb background, int size)
    : background_(background), image_(size, size, QImage::Format_RGB32) {
    for (std::int8_t c = 0; c < 16; ++c) pen_.colours[c] = views::runColour(c);
    pen_.buffer = {reinterpret_cast<std::uint32_t*>(image_.bits()), size, size,
                   static_cast<int>(image_.bytesPerLine() / 4)};
    setScale(0, 0, 1, 1);
    clear();
}

void PixelCanvas::clear() {
    image_.fill(views::pixelOf(background_));
}

void PixelCanvas::setScale(float left, float top, float right, float bottom) {
    pen_.setScale(left, top, right, bottom);
}

void PixelCanvas::plot(float x, float y) {
    views::drawPixel(pen_.buffer, pen_.map.x(x), pen_.map.y(y),
                     views::runColour(views::DrawingRecord::plotted));
    pen_.x = x;
    pen_.y = y;
}

// The points go through floats, as a recorded drawing keeps them.
void PixelCanvas::polylineTo(const double* xs, const double* ys, std::size_t count,
                             std::size_t stride, int colour) {
    const std::uint32_t c = pen_.colours[colour & 15];
    const views::PixelMap& map = pen_.map;
    double x = map.x(pen_.x), y = map.y(pen_.y);
    for (std::size_t i = 0; i < count; i += stride) {
        pen_.x = static_cast<float>(xs[i]);
        pen_.y = static_cast<float>(ys[i]);
        const double nextX = map.x(pen_.x), nextY = map.y(pen_.y);
        views::drawPixelLine(pen_.buffer, x, y, nextX, nextY, c);
        x = nextX;
        y = nextY;
    }
}

void PixelCanvas::label(int leftTwips, int topTwips, std::string_view caption) {
    labels_.set(leftTwips, topTwips, caption);
}

QImage PixelCanvas::snapshot() const {
    QImage image = image_.copy();
    QPainter painter(&image);
    labels_.paint(painter, image.width());
    return image;
}

bool PixelCanvas::savePng(const QString& path) const {
    return writePng(snapshot(), path);
}

}  // namespace tarvo::render
