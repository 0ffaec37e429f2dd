#pragma once

#include <QByteArray>
#include <QRgb>
#include <QString>
#include <cstdint>

class QIODevice;

namespace tarvo::render {

// Writes a view as an SVG picture: a background, aliased one-pixel lines
// (one path for each stretch of lines of one colour, or of two colours that
// take turns) and text labels.
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
    // A path being made, of one colour.
    struct Path {
        QRgb colour = 0;
        QByteArray d;
        double lastX = 0, lastY = 0;  // where its last line ended
        double putX = 0, putY = 0;    // its last point put down
        bool held = false;            // its last line's end is held back
        bool open = false;
        std::uint64_t begun = 0;  // paths begun before it, and itself
    };

    Path& pathFor(QRgb colour);
    void moveTo(Path& path, double x, double y);
    void putHeld(Path& path);
    void putPoint(Path& path, const char* before, double x, double y);
    void closePath(Path& path);
    void closePaths();
    void put(const QByteArray& text);
    void flush();

    QIODevice& out_;
    int size_;
    QByteArray pending_;
    bool failed_ = false;
    Path paths_[2];
    int latest_ = 0;           // the path of the latest colour
    std::uint64_t begun_ = 0;  // begun so far
};

}  // namespace tarvo::render
