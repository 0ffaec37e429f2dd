#pragma once

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

#include "views/Canvas.h"
#include "views/Palette.h"

class QPainter;

namespace tarvo::app {

// A view drawn into a persistent image. It keeps every operation since the
// last clear, so it draws while hidden and re-renders crisply at any size
// rather than scaling a bitmap. Uses QtGui only: the window shows it, the
// runner exports it.
class RasterCanvas : public views::Canvas {
public:
    RasterCanvas(views::Rgb background, int size);

    void clear() override;
    void setScale(float left, float top, float right, float bottom) override;
    void line(float x1, float y1, float x2, float y2, int colour) override;
    void lineTo(float x, float y, int colour) override;
    void plot(float x, float y) override;
    void label(int leftTwips, int topTwips, std::string_view caption) override;
    void setVisible(bool visible) override;
    void setPointer(views::Pointer pointer) override;

    // The drawing at its present size; labels are not part of it.
    const QImage& image() const { return image_; }
    // Re-renders everything drawn since the last clear at a new size.
    void resize(int size);
    int size() const { return image_.width(); }
    // The labels, drawn over an image of the given size.
    void paintLabels(QPainter& painter, int size) const;
    // The drawing with its labels, rendered at a size.
    QImage snapshot(int size) const;
    // An SVG picture of the same, pixel for pixel in its coordinates.
    QString svg(int size) const;

    bool visible() const { return visible_; }
    views::Pointer pointer() const { return pointer_; }

    // Told after every change, so a widget can schedule a repaint.
    std::function<void()> changed;

private:
    // A line, a plotted point, or a change of scale (left, top, right, bottom).
    struct Op {
        float x1, y1, x2, y2;
        std::int8_t colour;  // a palette index, or one of the kinds below
    };
    static constexpr std::int8_t plotted = -1;
    static constexpr std::int8_t scaleChange = -2;
    struct Scale {
        float left = 0, top = 0, right = 1, bottom = 1;
    };
    struct Label {
        int left, top;
        QString caption;
    };

    void record(const Op& op);
    void render(QImage& image, const Scale& scale, const Op& op) const;
    void renderAll(QImage& image) const;
    void notify() const;

    views::Rgb background_;
    QImage image_;
    Scale scale_;
    std::vector<Op> ops_;
    std::vector<Label> labels_;
    float currentX_ = 0, currentY_ = 0;
    bool visible_ = false;
    views::Pointer pointer_ = views::Pointer::Arrow;
};

}  // namespace tarvo::app
