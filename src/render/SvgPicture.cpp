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
// starting a new subpath in it; so do the lines of two colours that take
// turns, as a cut and its shadow do, each colour into a path of its own,
// written in the order the colours came. A point in the pixel of the last
// point put down is held back: of a run of them only the last is put down,
// before the next point in another pixel, so thousands of steps within a
// pixel take two points and every pixel the lines pass through stays lit.
void SvgPicture::line(double x1, double y1, double x2, double y2, QRgb colour) {
    Path& path = pathFor(colour);
    if (path.d.isEmpty()) {
        moveTo(path, x1, y1);
    } else if (x1 != path.lastX || y1 != path.lastY) {
        putHeld(path);
        moveTo(path, x1, y1);
    }
    const bool samePixel =
        std::floor(x2) == std::floor(path.putX) && std::floor(y2) == std::floor(path.putY);
    if (!samePixel) {
        putHeld(path);
        putPoint(path, " ", x2, y2);
    }
    path.held = samePixel;
    path.lastX = x2;
    path.lastY = y2;
    if (path.d.size() >= flushAt) closePaths();
}

// The latest colour's path, or the one before it, or a new one after the
// other is written out; the latest one was begun after it.
SvgPicture::Path& SvgPicture::pathFor(QRgb colour) {
    Path& latest = paths_[latest_];
    if (latest.open && latest.colour == colour) return latest;
    Path& other = paths_[1 - latest_];
    latest_ = 1 - latest_;
    if (other.open && other.colour == colour) return other;
    closePath(other);
    other.open = true;
    other.colour = colour;
    other.begun = ++begun_;
    return other;
}

void SvgPicture::moveTo(Path& path, double x, double y) {
    putPoint(path, path.d.isEmpty() ? "M" : " M", x, y);
}

void SvgPicture::putHeld(Path& path) {
    if (path.held && (path.lastX != path.putX || path.lastY != path.putY)) {
        putPoint(path, " ", path.lastX, path.lastY);
    }
    path.held = false;
}

void SvgPicture::putPoint(Path& path, const char* before, double x, double y) {
    path.d += before + number(x) + ',' + number(y);
    path.putX = x;
    path.putY = y;
}

void SvgPicture::closePath(Path& path) {
    if (!path.open) return;
    putHeld(path);
    if (!path.d.isEmpty()) {
        put("<path fill=\"none\" stroke=\"" + colourName(path.colour) + "\" d=\"" + path.d +
            "\"/>\n");
    }
    path.d.resize(0);  // keeps its room for what comes next
    path.open = false;
}

// The path begun first is written first, so the colours lie over each other
// as they came.
void SvgPicture::closePaths() {
    const bool latestFirst = paths_[latest_].begun < paths_[1 - latest_].begun;
    closePath(paths_[latestFirst ? latest_ : 1 - latest_]);
    closePath(paths_[latestFirst ? 1 - latest_ : latest_]);
}

void SvgPicture::text(double left, double top, const QString& caption) {
    closePaths();
    put("<text x=\"" + number(left) + "\" y=\"" + number(top) + "\" fill=\"#ffffff\" font-size=\"" +
        number(size_ * 144.0 / 7215) + "\" dominant-baseline=\"hanging\">" +
        caption.toHtmlEscaped().toUtf8() + "</text>\n");
}

void SvgPicture::image(const QByteArray& png) {
    closePaths();
    const QByteArray side = QByteArray::number(size_);
    put("<image width=\"" + side + "\" height=\"" + side + "\" href=\"data:image/png;base64," +
        png.toBase64() + "\"/>\n");
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
    closePaths();
    put("</svg>\n");
    flush();
    return !failed_;
}

}  // namespace tarvo::render
