#include "render/PixelCanvas.h"

#include <QPainter>

#include "render/PngFile.h"
#include "views/DrawingRecord.h"

namespace tarvo::render {

PixelCanvas::PixelCanvas(views::Rgb background, int size)
    : background_(background), image_(size, size, QImage::Format_RGB32) {
    for (std::int8_t c = 0; c < 16; ++c) colours_[c] = views::runColour(c);
    buffer_ = {reinterpret_cast<std::uint32_t*>(image_.bits()), size, size,
               static_cast<int>(image_.bytesPerLine() / 4)};
    setScale(0, 0, 1, 1);
    clear();
}

void PixelCanvas::clear() {
    image_.fill(views::pixelOf(background_));
}

void PixelCanvas::setScale(float left, float top, float right, float bottom) {
    map_ = views::PixelMap(left, top, right, bottom, image_.width(), image_.height());
}

void PixelCanvas::segment(float x1, float y1, float x2, float y2, int colour) {
    views::drawPixelLine(buffer_, map_.x(x1), map_.y(y1), map_.x(x2), map_.y(y2),
                         colours_[colour & 15]);
    currentX_ = x2;
    currentY_ = y2;
}

void PixelCanvas::line(float x1, float y1, float x2, float y2, int colour) {
    segment(x1, y1, x2, y2, colour);
}

void PixelCanvas::lineTo(float x, float y, int colour) {
    segment(currentX_, currentY_, x, y, colour);
}

void PixelCanvas::plot(float x, float y) {
    views::drawPixel(buffer_, map_.x(x), map_.y(y),
                     views::runColour(views::DrawingRecord::plotted));
    currentX_ = x;
    currentY_ = y;
}

// The points go through floats, as a recorded drawing keeps them.
void PixelCanvas::polylineTo(const double* xs, const double* ys, std::size_t count,
                             std::size_t stride, int colour) {
    const std::uint32_t c = colours_[colour & 15];
    double x = map_.x(currentX_), y = map_.y(currentY_);
    for (std::size_t i = 0; i < count; i += stride) {
        currentX_ = static_cast<float>(xs[i]);
        currentY_ = static_cast<float>(ys[i]);
        const double nextX = map_.x(currentX_), nextY = map_.y(currentY_);
        views::drawPixelLine(buffer_, x, y, nextX, nextY, c);
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
