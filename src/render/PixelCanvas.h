#pragma once

#include <QImage>
#include <QString>

#include "render/ViewLabels.h"
#include "views/Canvas.h"
#include "views/Palette.h"
#include "views/PixelLine.h"

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
    void line(float x1, float y1, float x2, float y2, int colour) override;
    void lineTo(float x, float y, int colour) override;
    void plot(float x, float y) override;
    void polylineTo(const double* xs, const double* ys, std::size_t count, std::size_t stride,
                    int colour) override;
    void label(int leftTwips, int topTwips, std::string_view caption) override;
    // Painted whether shown or not: the picture is saved at the end.
    void setVisible(bool) override {}
    void setPointer(views::Pointer) override {}

    // The drawing with its labels.
    QImage snapshot() const;
    // Writes the snapshot to a file as a PNG; false when it could not.
    bool savePng(const QString& path) const;

private:
    // Laid into line() and lineTo(), which the views call for every step.
    [[gnu::always_inline]] inline void segment(float x1, float y1, float x2, float y2, int colour);

    std::uint32_t colours_[16];  // the palette as pixels
    views::Rgb background_;
    QImage image_;
    views::PixelBuffer buffer_;
    views::PixelMap map_;
    float currentX_ = 0, currentY_ = 0;
    ViewLabels labels_;
};

}  // namespace tarvo::render
