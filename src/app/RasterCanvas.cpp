#include "app/RasterCanvas.h"

#include <QPainter>

#include "app/PixelLine.h"
#include "app/SvgPicture.h"

namespace tarvo::app {

namespace {

// A view is 7215 twips square; labels are 90 x 180 twips.
constexpr double viewTwips = 7215;

QRgb rgb(views::Rgb c) { return qRgb(c.r, c.g, c.b); }

// Plotted points take the foreground colour, black.
QRgb opColour(std::int8_t colour) {
    return colour < 0 ? rgb(views::palette[views::colour::black]) : rgb(views::paletteColour(colour));
}

// From a view's user units to pixel units of an image of a given size.
struct PixelMap {
    double left, top, kx, ky;
    PixelMap(float l, float t, float r, float b, int width, int height)
        : left(l), top(t), kx(width / (static_cast<double>(r) - l)),
          ky(height / (static_cast<double>(b) - t)) {}
    double x(float v) const { return (v - left) * kx; }
    double y(float v) const { return (v - top) * ky; }
};

PixelBuffer bufferOf(QImage& image) {
    return {reinterpret_cast<std::uint32_t*>(image.bits()), image.width(), image.height(),
            static_cast<int>(image.bytesPerLine() / 4)};
}

}  // namespace

RasterCanvas::RasterCanvas(views::Rgb background, int size)
    : background_(background), image_(size, size, QImage::Format_RGB32) {
    image_.fill(rgb(background_));
}

void RasterCanvas::clear() {
    ops_.clear();
    ops_.push_back({scale_.left, scale_.top, scale_.right, scale_.bottom, scaleChange});
    image_.fill(rgb(background_));
    notify();
}

void RasterCanvas::setScale(float left, float top, float right, float bottom) {
    // A new scale applies to what is drawn next; what is drawn stays where it
    // is, so scale changes travel in the list with the drawing.
    scale_ = {left, top, right, bottom};
    ops_.push_back({left, top, right, bottom, scaleChange});
}

void RasterCanvas::line(float x1, float y1, float x2, float y2, int colour) {
    record({x1, y1, x2, y2, static_cast<std::int8_t>(colour & 15)});
}

void RasterCanvas::lineTo(float x, float y, int colour) {
    record({currentX_, currentY_, x, y, static_cast<std::int8_t>(colour & 15)});
}

void RasterCanvas::plot(float x, float y) { record({x, y, x, y, plotted}); }

void RasterCanvas::record(const Op& op) {
    ops_.push_back(op);
    currentX_ = op.x2;
    currentY_ = op.y2;
    render(image_, scale_, op);
    notify();
}

void RasterCanvas::label(int leftTwips, int topTwips, std::string_view caption) {
    const QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    for (Label& l : labels_) {
        if (l.left == leftTwips && l.top == topTwips) {
            l.caption = text;
            notify();
            return;
        }
    }
    labels_.push_back({leftTwips, topTwips, text});
    notify();
}

void RasterCanvas::setVisible(bool visible) {
    visible_ = visible;
    notify();
}

void RasterCanvas::setPointer(views::Pointer pointer) {
    pointer_ = pointer;
    notify();
}

void RasterCanvas::resize(int size) {
    if (size == image_.width() || size <= 0) return;
    image_ = QImage(size, size, QImage::Format_RGB32);
    renderAll(image_);
    notify();
}

void RasterCanvas::renderAll(QImage& image) const {
    image.fill(rgb(background_));
    Scale scale;
    for (const Op& op : ops_) {
        if (op.colour == scaleChange) {
            scale = {op.x1, op.y1, op.x2, op.y2};
        } else {
            render(image, scale, op);
        }
    }
}

void RasterCanvas::render(QImage& image, const Scale& scale, const Op& op) const {
    const PixelMap map(scale.left, scale.top, scale.right, scale.bottom, image.width(),
                       image.height());
    const PixelBuffer buffer = bufferOf(image);
    if (op.colour == plotted) {
        drawPixel(buffer, map.x(op.x1), map.y(op.y1), opColour(op.colour));
    } else {
        drawPixelLine(buffer, map.x(op.x1), map.y(op.y1), map.x(op.x2), map.y(op.y2),
                      opColour(op.colour));
    }
}

void RasterCanvas::paintLabels(QPainter& painter, int size) const {
    painter.save();
    painter.setPen(Qt::white);
    QFont font = painter.font();
    font.setPixelSize(std::max(8, static_cast<int>(size * 180 / viewTwips * 0.8)));
    painter.setFont(font);
    for (const Label& l : labels_) {
        const QRectF box(l.left * size / viewTwips, l.top * size / viewTwips, 90 * size / viewTwips,
                         180 * size / viewTwips);
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, l.caption);
    }
    painter.restore();
}

QImage RasterCanvas::snapshot(int size) const {
    QImage image(size, size, QImage::Format_RGB32);
    renderAll(image);
    QPainter painter(&image);
    paintLabels(painter, size);
    return image;
}

QString RasterCanvas::svg(int size) const {
    SvgPicture picture(size, rgb(background_));
    PixelMap map(0, 0, 1, 1, size, size);
    for (const Op& op : ops_) {
        if (op.colour == scaleChange) {
            map = PixelMap(op.x1, op.y1, op.x2, op.y2, size, size);
            continue;
        }
        picture.line(map.x(op.x1), map.y(op.y1), map.x(op.x2), map.y(op.y2), opColour(op.colour));
    }
    for (const Label& l : labels_) picture.text(l.left * size / viewTwips, l.top * size / viewTwips, l.caption);
    return picture.finish();
}

void RasterCanvas::notify() const {
    if (changed) changed();
}

}  // namespace tarvo::app
