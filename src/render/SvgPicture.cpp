#include "render/SvgPicture.h"

#include <QColor>
#include <QIODevice>

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

void SvgPicture::line(double x1, double y1, double x2, double y2, QRgb colour) {
    if (!open_ || colour != colour_ || x1 != lastX_ || y1 != lastY_) {
        closePolyline();
        put("<polyline fill=\"none\" stroke=\"" + colourName(colour) + "\" points=\"");
        putPoint(x1, y1);
        colour_ = colour;
        open_ = true;
    }
    put(" ");
    putPoint(x2, y2);
    lastX_ = x2;
    lastY_ = y2;
}

void SvgPicture::putPoint(double x, double y) {
    put(number(x) + ',' + number(y));
}

void SvgPicture::text(double left, double top, const QString& caption) {
    closePolyline();
    put("<text x=\"" + number(left) + "\" y=\"" + number(top) + "\" fill=\"#ffffff\" font-size=\"" +
        number(size_ * 144.0 / 7215) + "\" dominant-baseline=\"hanging\">" +
        caption.toHtmlEscaped().toUtf8() + "</text>\n");
}

void SvgPicture::image(const QByteArray& png) {
    closePolyline();
    const QByteArray side = QByteArray::number(size_);
    put("<image width=\"" + side + "\" height=\"" + side + "\" href=\"data:image/png;base64," +
        png.toBase64() + "\"/>\n");
}

void SvgPicture::closePolyline() {
    if (!open_) return;
    put("\"/>\n");
    open_ = false;
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
    closePolyline();
    put("</svg>\n");
    flush();
    return !failed_;
}

}  // namespace tarvo::render
