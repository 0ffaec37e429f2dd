#pragma once

#include <QImage>
#include <QString>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "render/ViewLabels.h"
#include "views/Canvas.h"
#include "views/DrawingRecord.h"
#include "views/Palette.h"
#include "views/PixelLine.h"

class QIODevice;
class QPainter;

namespace tarvo::render {

class DrawingPicture;

// A view drawn into a persistent image. It keeps every operation since the
// last clear, so it draws while hidden (painting what it drew once shown)
// and re-renders crisply at any size rather than scaling a bitmap. Uses
// QtGui only: the window shows it, the runner exports it.
//
// The points it keeps take at most `budget` bytes (256 MiB unless told
// otherwise: 32 M points, a step of the plan view or half a step of the
// axonometric view below the surface). A drawing that passes it goes on as a
// picture of 4096 pixels square instead (64 MiB), which the view shows at
// its size and exports as a PNG; it can then go back to no mark.
class RasterCanvas : public views::Canvas {
public:
    static constexpr std::size_t defaultBudget = views::DrawingRecord::defaultBudget;

    RasterCanvas(views::Rgb background, int size, std::size_t budget = defaultBudget);
    RasterCanvas(RasterCanvas&&) noexcept;
    ~RasterCanvas() override;

    void clear() override;
    void setScale(float left, float top, float right, float bottom) override;
    void line(float x1, float y1, float x2, float y2, int colour) override;
    void lineTo(float x, float y, int colour) override;
    void plot(float x, float y) override;
    void polylineTo(const double* xs, const double* ys, std::size_t count, std::size_t stride,
                    int colour) override;
    void label(int leftTwips, int topTwips, std::string_view caption) override;
    void setVisible(bool visible) override;
    void setPointer(views::Pointer pointer) override;
    // A shown canvas keeps a copy of its image at the two latest marks, so
    // that going back to one of them copies the image back; otherwise the
    // drawing is rendered again, by a hidden canvas only when it is shown.
    views::DrawingMark mark() const override;
    // Cuts the recorded drawing back to the mark.
    bool rewind(const views::DrawingMark& mark) override;

    // The drawing at its present size, with what was drawn while hidden;
    // labels are not part of it. Taking it lets the next change be told again.
    const QImage& image();
    // Re-renders everything drawn since the last clear at a new size.
    void resize(int size);
    int size() const { return image_.width(); }
    // The labels, drawn over an image of the given size.
    void paintLabels(QPainter& painter, int size) const;
    // The drawing with its labels, rendered at a size.
    QImage snapshot(int size) const;
    // An SVG picture of the same, pixel for pixel in its coordinates.
    QString svg(int size) const;
    // Writes that picture to a device as it is made; false when it could not.
    bool writeSvg(QIODevice& out, int size) const;
    // Writes the picture to a file, SVG when the name ends in ".svg", else PNG.
    bool saveImage(const QString& path, int size) const;

    // Heap memory the recorded drawing holds.
    std::size_t recordedBytes() const { return record_.bytes(); }
    // The drawing passed the budget and is kept as a picture.
    bool keptAsPicture() const { return picture_ != nullptr; }

    bool visible() const { return visible_; }
    views::Pointer pointer() const { return pointer_; }
    // A pixel position in an image of the given size, in the view's user units.
    QPointF toUser(QPointF pixel, int size) const;
    // From the view's user units to the pixels of the image at its present
    // size and scale, for what is drawn over it.
    const views::PixelMap& pixelMap() const { return map_; }

    // Told at the first drawing after the image was last taken, so a widget
    // can schedule one repaint however much is drawn before it paints; and
    // at every change of visibility or pointer.
    std::function<void()> changed;

private:
    void segment(float x1, float y1, float x2, float y2, std::int8_t colour);
    // A point of the drawing, with the map in force there.
    struct Painted {
        views::DrawingRecord::Position at;
        views::PixelMap map;
    };
    void renderAll(QImage& image) const;
    void holdBack();
    void keepWithinBudget() {
        if (record_.floats() > pointLimit_) keepAsPicture();
    }
    void keepAsPicture();
    void pictureLines(const double* xs, const double* ys, std::size_t count, std::size_t stride,
                      int colour);
    void renderStale();
    void notify();
    void notifyAlways();
    void attach();

    views::Rgb background_;
    std::size_t pointLimit_;                   // floats the budget holds
    std::unique_ptr<DrawingPicture> picture_;  // once the drawing passed it
    QImage image_;
    views::PixelBuffer buffer_;  // the pixels of image_
    views::PixelMap map_;        // the present scale, onto image_
    float scale_[4] = {0, 0, 1, 1};
    views::DrawingRecord record_;
    ViewLabels labels_;
    float currentX_ = 0, currentY_ = 0;
    std::uint64_t restarts_ = 0;  // clears and scale changes, as a mark counts them
    bool stale_ = false;          // image_ waits to be rendered again when shown
    // Drawing held back while hidden: image_ shows the drawing up to here.
    std::optional<Painted> paintedTo_;
    struct Kept {
        views::DrawingMark mark;
        QImage image;
    };
    mutable std::deque<Kept> kept_;  // the images at the latest marks, oldest first
    bool visible_ = false;
    mutable bool told_ = false;
    views::Pointer pointer_ = views::Pointer::Arrow;
};

}  // namespace tarvo::render
