#pragma once

#include <QImage>
#include <QString>

#include "render/ViewLabels.h"
#include "views/Canvas.h"
#include "views/Palette.h"
#include "views/PixelLine.h"
#include "views/PixelPen.h"

namespace tarvo::render {

// A view painted straight into its pixels at the one size it is saved at,
// keeping none of its lines: the runner's PNG pictures, which nobody looks at
// while the run goes on and which are never drawn again at another size.
// Every line lands on the very pixels a RasterCanvas of that size shows, in
// the same order, so the two pictures are the same; this one takes no memory
// per step and no second pass over the drawing at the end.
class PixelCanvas : public views::Canvas {
public:
    PixelCanvas(views::Rgb background, int size);

    void clear() override;
    void setScale(float left, float top, float right, float bottom) override;
    void line(float x1, float y1, float x2, float y2, int colour) override {
        pen_.line(x1, y1, x2, y2, colour);
    }
    void lineTo(float x, float y, int colour) override { pen_.lineTo(x, y, colour); }
    void plot(float x, float y) override;
    void polylineTo(const double* xs, const double* ys, std::size_t count, std::size_t stride,
                    int colour) override;
    void label(int leftTwips, int topTwips, std::string_view caption) override;
    // Painted whether shown or not: the picture is saved at the end.
    void setVisible(bool) override {}
    void setPointer(views::Pointer) override {}
    views::PixelPen* pen() override { return &pen_; }

    // The drawing with its labels.
    QImage snapshot() const;
    // Writes the snapshot to a file as a PNG; false when it could not.
    bool savePng(const QString& path) const;

private:
    views::Rgb background_;
    QImage image_;
    views::PixelPen pen_;  // into image_'s pixels
    ViewLabels labels_;
};

}  // namespace tarvo::render
