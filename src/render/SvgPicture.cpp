#include "render/SvgPicture.h"

#include <QColor>
#include <QIODevice>
#include <cmath>

namespace tarvo::render {

namespace {

// What is held back before it goes to the device.
constexpr qsizetype flushAt = 64 * 1024;

QByteArray number(double v) {
    return QByteArray::number(v, 'g', 7);
}

QByteArray colourName(QRgb c) {
    return QColor(c).name().toLatin1();
}

}  // namespace

SvgPicture::SvgPicture(QIODevice& out, int size, QRgb background) : out_(out), size_(size) {
    const QByteArray side = QByteArray::number(size);
    put("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + side + "\" height=\"" + side +
        "\" viewBox=\"0 0 " + side + ' ' + side +
        "\" shape-rendering=\"crispEdges\" stroke-width=\"1\">\n");
    put("<rect width=\"" + side + "\" height=\"" + side + "\" fill=\"" + colourName(background) +
        "\"/>\n");
}

// Lines of one colour that follow each other go into one path, a jump
// starting a new subpath in it. A point in the pixel of the last point put
// down is held back: of a run of them only the last is put down, before the
// next point in another pixel, so thousands of steps within a pixel take two
// points and every pixel the lines pass through stays as it was.
void SvgPicture::line(double x1, double y1, double x2, double y2, QRgb colour) {
    if (!open_ || colour != colour_) {
        closePath();
        put("<path fill=\"none\" stroke=\"" + colourName(colour) + "\" d=\"");
        colour_ = colour;
        open_ = true;
        moveTo(x1, y1);
    } else if (x1 != lastX_ || y1 != lastY_) {
        putHeld();
        moveTo(x1, y1);
    }
    lastX_ = x2;
    lastY_ = y2;
    if (std::floor(x2) == std::floor(putX_) && std::floor(y2) == std::floor(putY_)) {
        held_ = true;
        return;
    }
    putHeld();
    putPoint(" ", x2, y2);
}

void SvgPicture::moveTo(double x, double y) {
    putPoint(pathStarted_ ? " M" : "M", x, y);
    pathStarted_ = true;
}

void SvgPicture::putHeld() {
    if (held_ && (lastX_ != putX_ || lastY_ != putY_)) putPoint(" ", lastX_, lastY_);
    held_ = false;
}

void SvgPicture::putPoint(const char* before, double x, double y) {
    put(before + number(x) + ',' + number(y));
    putX_ = x;
    putY_ = y;
}

void SvgPicture::text(double left, double top, const QString& caption) {
    closePath();
    put("<text x=\"" + number(left) + "\" y=\"" + number(top) + "\" fill=\"#ffffff\" font-size=\"" +
        number(size_ * 144.0 / 7215) + "\" dominant-baseline=\"hanging\">" +
        caption.toHtmlEscaped().toUtf8() + "</text>\n");
}

void SvgPicture::image(const QByteArray& png) {
    closePath();
    const QByteArray side = QByteArray::number(size_);
    put("<image width=\"" + side + "\" height=\"" + side + "\" href=\"data:image/png;base64," +
        png.toBase64() + "\"/>\n");
}

void SvgPicture::closePath() {
    if (!open_) return;
    putHeld();
    put("\"/>\n");
    open_ = false;
    pathStarted_ = false;
}

void SvgPicture::put(const QByteArray& text) {
    pending_ += text;
    if (pending_.size() >= flushAt) flush();
}

void SvgPicture::flush() {
    if (!failed_ && out_.write(pending_) != pending_.size()) failed_ = true;
    pending_.resize(0);  // keeps its room for what comes next
}

bool SvgPicture::finish() {
    closePath();
    put("</svg>\n");
    flush();
    return !failed_;
}

}  // namespace tarvo::render
