#include "render/DrawingPicture.h"

#include <QBuffer>
#include <algorithm>
#include <utility>

namespace tarvo::render {

DrawingPicture::DrawingPicture(QRgb background)
    : background_(background),
      image_(side, side, QImage::Format_RGB32),
      buffer_{reinterpret_cast<std::uint32_t*>(image_.bits()), side, side,
              static_cast<int>(image_.bytesPerLine() / 4)} {
    image_.fill(background_);
}

void DrawingPicture::setScale(float left, float top, float right, float bottom) {
    map_ = views::PixelMap(left, top, right, bottom, side, side);
}

void DrawingPicture::line(float x1, float y1, float x2, float y2, QRgb colour) {
    views::drawPixelLine(buffer_, map_.x(x1), map_.y(y1), map_.x(x2), map_.y(y2), colour);
}

void DrawingPicture::plot(float x, float y, QRgb colour) {
    views::drawPixel(buffer_, map_.x(x), map_.y(y), colour);
}

void DrawingPicture::drawInto(QImage& image) const {
    const int size = image.width();
    // The first and last-but-one rows or columns of the picture a pixel covers.
    const auto block = [size](int i) {
        const int first = i * side / size;
        return std::pair{first, std::max(first + 1, (i + 1) * side / size)};
    };
    for (int ty = 0; ty < size; ++ty) {
        auto* out = reinterpret_cast<QRgb*>(image.scanLine(ty));
        const auto [top, bottom] = block(ty);
        for (int tx = 0; tx < size; ++tx) {
            const auto [left, right] = block(tx);
            QRgb colour = background_;
            for (int y = top; y < bottom && colour == background_; ++y) {
                const auto* row = reinterpret_cast<const QRgb*>(image_.constScanLine(y));
                const auto drawn = std::find_if(row + left, row + right,
                                                [this](QRgb c) { return c != background_; });
                if (drawn != row + right) colour = *drawn;
            }
            out[tx] = colour;
        }
    }
}

QByteArray DrawingPicture::png() const {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image_.save(&buffer, "PNG");
    return bytes;
}

}  // namespace tarvo::render
