#pragma once

#include <QByteArray>
#include <QImage>

#include "views/PixelLine.h"

namespace tarvo::render {

// A drawing kept as pixels at a large size instead of as its lines, once it
// has drawn more than a canvas keeps: every line still goes into it, it is
// shown at any smaller size, and exported as a PNG.
class DrawingPicture {
public:
    static constexpr int side = 4096;  // 64 MiB of pixels

    explicit DrawingPicture(QRgb background);

    // The pixels, to draw what came before into.
    QImage& image() { return image_; }
    void setScale(float left, float top, float right, float bottom);
    void line(float x1, float y1, float x2, float y2, QRgb colour);
    void plot(float x, float y, QRgb colour);

    // Over the whole of a square image of 32-bit pixels: each of its pixels
    // takes the colour of a drawn pixel in the block of the picture it
    // covers, so a one-pixel line stays a one-pixel line at any size.
    void drawInto(QImage& image) const;
    QByteArray png() const;

private:
    QRgb background_;
    QImage image_;
    views::PixelBuffer buffer_;
    views::PixelMap map_;
};

}  // namespace tarvo::render
