#pragma once

#include <QWidget>
#include <optional>

namespace tarvo::render {
class RasterCanvas;
}
namespace tarvo::app {

// Lies over the plan view and rings one step point there, the step the
// teaching tools have selected, at the view's present scale and size. It
// draws over the view's picture, never into it, and lets the pointer through.
class StepRing : public QWidget {
    Q_OBJECT

public:
    static constexpr QRgb colour = qRgb(255, 128, 0);  // orange, seen on black and on the path
    static constexpr int radius = 7;                   // pixels

    // `view` is the widget that shows `canvas`; the ring covers it.
    StepRing(const render::RasterCanvas& canvas, QWidget& view);

    // The step point to ring, x and y in internal units (tenths of a mm);
    // none takes the ring away.
    void ring(std::optional<QPointF> point);
    // Where the ring's centre is drawn, in the view's pixels; none without a ring.
    std::optional<QPointF> centre() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const render::RasterCanvas& canvas_;
    std::optional<QPointF> point_;
};

}  // namespace tarvo::app
