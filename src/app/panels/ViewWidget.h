#pragma once

#include <QWidget>
#include <functional>

#include "motion/exact/Decimal.h"
#include "views/Canvas.h"
#include "views/Palette.h"

namespace tarvo::render {
class RasterCanvas;
}
namespace tarvo::app {

// Shows one view's canvas, square, and hands pointer moves over it to the
// machine in the view's user units. Follows the canvas's visibility and
// pointer shape.
class ViewWidget : public QWidget {
    Q_OBJECT

public:
    // `pointerMoved(buttons, x, y)`, in the view's user units.
    using PointerHandler = std::function<void(views::Buttons buttons, float x, float y)>;

    ViewWidget(render::RasterCanvas& canvas, PointerHandler pointerMoved,
               QWidget* parent = nullptr);
    ~ViewWidget() override;

    render::RasterCanvas& canvas() { return canvas_; }
    // Lays the pulse grid under the picture, for the pulse equivalent
    // `dlstep` gives in internal units when the view paints; the picture's
    // background is `background`.
    void showPulseGrid(views::Rgb background, std::function<motion::Decimal()> dlstep);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void follow();

    render::RasterCanvas& canvas_;
    PointerHandler pointerMoved_;
    views::Rgb background_{};
    std::function<motion::Decimal()> dlstep_;
};

}  // namespace tarvo::app
