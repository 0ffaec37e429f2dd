#include "render/SvgPicture.h"

#include <QColor>

namespace tarvo::render {

namespace {

QString number(double v) {
    return QString::number(v, 'g', 7);
}

QString colourName(QRgb c) {
    return QColor(c).name();
}

}  // namespace

SvgPicture::SvgPicture(int size, QRgb background) : size_(size) {
    body_ += QStringLiteral("<rect width=\"%1\" height=\"%1\" fill=\"%2\"/>\n")
                 .arg(size)
                 .arg(colourName(background));
}

void SvgPicture::line(double x1, double y1, double x2, double y2, QRgb colour) {
    if (!open_ || colour != colour_ || x1 != lastX_ || y1 != lastY_) {
        closePolyline();
        points_ = number(x1) + ',' + number(y1);
        colour_ = colour;
        open_ = true;
    }
    points_ += ' ' + number(x2) + ',' + number(y2);
    lastX_ = x2;
    lastY_ = y2;
}

void SvgPicture::text(double left, double top, const QString& caption) {
    closePolyline();
    body_ +=
        QStringLiteral(
            "<text x=\"%1\" y=\"%2\" fill=\"#ffffff\" font-size=\"%3\" "
            "dominant-baseline=\"hanging\">%4</text>\n")
            .arg(number(left), number(top), number(size_ * 144.0 / 7215), caption.toHtmlEscaped());
}

void SvgPicture::closePolyline() {
    if (!open_) return;
    body_ += QStringLiteral("<polyline fill=\"none\" stroke=\"%1\" points=\"%2\"/>\n")
                 .arg(colourName(colour_), points_);
    open_ = false;
}

QString SvgPicture::finish() {
    closePolyline();
    return QStringLiteral(
               "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
               "viewBox=\"0 0 %1 %1\" shape-rendering=\"crispEdges\" stroke-width=\"1\">\n")
               .arg(size_) +
           body_ + QStringLiteral("</svg>\n");
}

}  // namespace tarvo::render
