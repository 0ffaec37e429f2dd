#pragma once

#include <QByteArray>
#include <QRgb>
#include <QString>

class QIODevice;

namespace tarvo::render {

// Writes a view as an SVG picture: a background, aliased one-pixel lines
// (one path for each stretch of lines of one colour) and text labels.
// The text goes out to the device as it is made, a few kilobytes at a time,
// so a picture of millions of steps takes no more memory than a small one.
class SvgPicture {
public:
    SvgPicture(QIODevice& out, int size, QRgb background);

    void line(double x1, double y1, double x2, double y2, QRgb colour);
    void text(double left, double top, const QString& caption);
    // A PNG over the whole picture.
    void image(const QByteArray& png);
    // Ends the picture; false when any of it could not be written.
    bool finish();

private:
    void closePath();
    void moveTo(double x, double y);
    void putHeld();
    void put(const QByteArray& text);
    void putPoint(const char* before, double x, double y);
    void flush();

    QIODevice& out_;
    int size_;
    QByteArray pending_;
    bool failed_ = false;
    QRgb colour_ = 0;
    double lastX_ = 0, lastY_ = 0;  // where the last line ended
    double putX_ = 0, putY_ = 0;    // the last point put down
    bool held_ = false;             // the last line's end is held back
    bool open_ = false, pathStarted_ = false;
};

}  // namespace tarvo::render
