#pragma once

#include <QRgb>
#include <QString>

namespace tarvo::render {

// Writes a view as an SVG picture: a background, aliased one-pixel lines
// (joined into polylines where they continue each other) and text labels.
class SvgPicture {
public:
    SvgPicture(int size, QRgb background);

    void line(double x1, double y1, double x2, double y2, QRgb colour);
    void text(double left, double top, const QString& caption);
    QString finish();

private:
    void closePolyline();

    int size_;
    QString body_;
    QString points_;
    QRgb colour_ = 0;
    double lastX_ = 0, lastY_ = 0;
    bool open_ = false;
};

}  // namespace tarvo::render
